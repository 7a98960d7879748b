#include "app/score_dlg.h"

#include <QDialogButtonBox>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/mervane_view.h"
#include "render/qt_surface.h"
#include "render/score_sheet.h"

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
        const int zoom = dialog_.Zoom();
        const QSize tableSize((width() + zoom - 1) / zoom, (height() + zoom - 1) / zoom);
        QImage sheet(tableSize, QImage::Format_RGB32);
        sheet.fill(palette().color(QPalette::Window));
        {
            QtSurface surface(sheet);
            surface.SetBackColor(MakeColor(255, 255, 255));
            const ScoreSheetPlace place{{0, 0, tableSize.width(), tableSize.height()}, false, true};
            const std::array<std::string, 3> names{dialog_.seatNames[0].toStdString(),
                                                   dialog_.seatNames[1].toStdString(),
                                                   dialog_.seatNames[2].toStdString()};
            const std::array<std::int32_t, 4> scores{dialog_.scoreYou, dialog_.scoreLeft,
                                                     dialog_.scoreTop, dialog_.scoreRight};
            DrawScoreSheet(surface, place, names, scores);
        }
        // The enlarged picture may overhang by less than a block; its centre stays on ours.
        const QSize shown = tableSize * zoom;
        const QPoint origin((width() - shown.width()) / 2, (height() - shown.height()) / 2);
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRect(origin, shown), sheet);
    }

  private:
    const CScoreDlg& dialog_;
};

}  // namespace

CScoreDlg::CScoreDlg(QWidget* parent) : QDialog(parent), sheet_(new ScoreSheetArea(*this, this)) {
    setWindowTitle(QStringLiteral("Score"));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::AcceptRole);
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

// The size of the table at its zoom, so that the sheet stands as large as it does over
// the table; a wider sheet is cut off as it is on the table.
void CScoreDlg::showEvent(QShowEvent* event) {
    setFixedSize(CMervaneView::TableWidth * Zoom(), CMervaneView::TableHeight * Zoom());
    QDialog::showEvent(event);
}

void CScoreDlg::resizeEvent(QResizeEvent* event) {
    sheet_->setGeometry(rect());
    QDialog::resizeEvent(event);
}

}  // namespace mervane
