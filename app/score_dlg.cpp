#include "app/score_dlg.h"

#include <QDialogButtonBox>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/mervane_view.h"
#include "render/qt_surface.h"
#include "render/score_sheet.h"
#include "render/sharp_surface.h"

namespace mervane {
namespace {

// The whole client area: the sheet is drawn in table pixels, centred, and enlarged by
// the table's zoom as the table is, each pixel a crisp block.
class ScoreSheetArea : public QWidget {
  public:
    explicit ScoreSheetArea(const CScoreDlg& dialog, QWidget* parent)
        : QWidget(parent), dialog_(dialog) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        if (dialog_.sharp)
            PaintSharp();
        else
            PaintClassic();
    }

  private:
    std::array<std::string, 3> Names() const {
        return {dialog_.seatNames[0].toStdString(), dialog_.seatNames[1].toStdString(),
                dialog_.seatNames[2].toStdString()};
    }
    std::array<std::int32_t, 4> Scores() const {
        return {dialog_.scoreYou, dialog_.scoreLeft, dialog_.scoreTop, dialog_.scoreRight};
    }

    // The table's area at the dialog's scale, centred, drawn in table units straight
    // on the widget at its device pixel ratio.
    void PaintSharp() {
        QPainter(this).fillRect(rect(), palette().color(QPalette::Window));
        const double scale = dialog_.SharpScale();
        const QPointF origin((width() - TableSize().width * scale) / 2,
                             (height() - TableSize().height * scale) / 2);
        SharpSurface surface(*this, TableSize(), origin, scale, nullptr);
        surface.SetBackColor(MakeColor(255, 255, 255));
        DrawScoreSheet(surface, {surface.Bounds(), false, true}, Names(), Scores());
    }
    static Size TableSize() { return {CMervaneView::TableWidth, CMervaneView::TableHeight}; }

    void PaintClassic() {
        const int zoom = dialog_.Zoom();
        const QSize tableSize((width() + zoom - 1) / zoom, (height() + zoom - 1) / zoom);
        QImage sheet(tableSize, QImage::Format_RGB32);
        sheet.fill(palette().color(QPalette::Window));
        {
            QtSurface surface(sheet);
            surface.SetBackColor(MakeColor(255, 255, 255));
            const ScoreSheetPlace place{{0, 0, tableSize.width(), tableSize.height()}, false, true};
            DrawScoreSheet(surface, place, Names(), Scores());
        }
        // The enlarged picture may overhang by less than a block; its centre stays on ours.
        const QSize shown = tableSize * zoom;
        const QPoint origin((width() - shown.width()) / 2, (height() - shown.height()) / 2);
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRect(origin, shown), sheet);
    }

    const CScoreDlg& dialog_;
};

}  // namespace

CScoreDlg::CScoreDlg(QWidget* parent) : QDialog(parent), sheet_(new ScoreSheetArea(*this, this)) {
    setWindowTitle(tr("Score"));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(tr("&Close"), QDialogButtonBox::AcceptRole);
    close->setDefault(true);
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    // The sheet lies under the button, over the whole client area.
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(buttons);
    sheet_->lower();
}

int CScoreDlg::Zoom() const {
    return std::clamp(zoom, CMervaneView::MinZoom, CMervaneView::MaxZoom);
}

double CScoreDlg::SharpScale() const {
    return std::isfinite(scale) ? std::max(scale, 1.0) : 1.0;
}

// The size of the table at its zoom, so that the sheet stands as large as it does over
// the table; a wider sheet is cut off as it is on the table.
void CScoreDlg::showEvent(QShowEvent* event) {
    if (sharp)
        setFixedSize(static_cast<int>(std::lround(CMervaneView::TableWidth * SharpScale())),
                     static_cast<int>(std::lround(CMervaneView::TableHeight * SharpScale())));
    else
        setFixedSize(CMervaneView::TableWidth * Zoom(), CMervaneView::TableHeight * Zoom());
    QDialog::showEvent(event);
}

void CScoreDlg::resizeEvent(QResizeEvent* event) {
    sheet_->setGeometry(rect());
    QDialog::resizeEvent(event);
}

}  // namespace mervane
