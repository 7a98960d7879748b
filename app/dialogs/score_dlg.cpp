#include "app/dialogs/score_dlg.h"

#include <QDialogButtonBox>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/dialogs/window_fit.h"
#include "game/texts.h"
#include "layout/card_table.h"
#include "layout/viewport.h"
#include "render/qt_surface.h"
#include "render/score_sheet.h"
#include "render/sharp_sheet_draw.h"
#include "render/sharp_surface.h"

namespace mervane {
namespace {

// Table units kept free round the sheet's box.
constexpr int kSheetMargin = 6;
// What a window manager's frame adds round a dialog.
constexpr QSize kFrameAllowance(16, 40);
// The Sharp sheet's row at scale 1, in pixels: a classic sheet's line and its gap.
constexpr int kSharpRow = 16;

std::array<std::string, 3> SheetNames(const CScoreDlg& dialog) {
    return {dialog.seatNames[0].toStdString(), dialog.seatNames[1].toStdString(),
            dialog.seatNames[2].toStdString()};
}
std::array<std::int32_t, 4> SheetScores(const CScoreDlg& dialog) {
    return {dialog.scoreYou, dialog.scoreLeft, dialog.scoreTop, dialog.scoreRight};
}

SharpSheetData SharpSheetOf(const CScoreDlg& dialog) {
    SharpSheetData data;
    data.names = {text::ShownSeatName(text::You, true), dialog.seatNames[0].toStdString(),
                  dialog.seatNames[1].toStdString(), dialog.seatNames[2].toStdString()};
    data.hands = dialog.hands;
    data.totals = SheetScores(dialog);
    data.tableColor = dialog.tableColor;
    return data;
}

int SharpRow(double scale) {
    return static_cast<int>(std::lround(kSharpRow * scale));
}

// The sheet with its margin: drawn in table pixels, centred, and enlarged by the
// table's zoom as the table is, each pixel a crisp block.
class ScoreSheetArea : public QWidget {
  public:
    explicit ScoreSheetArea(const CScoreDlg& dialog, QWidget* parent)
        : QWidget(parent), dialog_(dialog) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        if (dialog_.sharp)
            PaintHands();
        else
            PaintClassic();
    }

  private:
    std::array<std::string, 3> Names() const { return SheetNames(dialog_); }
    std::array<std::int32_t, 4> Scores() const { return SheetScores(dialog_); }

    // The table's area at the dialog's scale, centred, drawn in table units straight
    // on the widget at its device pixel ratio.
    void PaintSharp() {
        QPainter(this).fillRect(rect(), palette().color(QPalette::Window));
        const double scale = dialog_.ShownScale();
        const QPointF origin((width() - TableSize().width * scale) / 2,
                             (height() - TableSize().height * scale) / 2);
        SharpSurface surface(*this, TableSize(), origin, scale, nullptr);
        surface.SetBackColor(MakeColor(255, 255, 255));
        DrawScoreSheet(surface, {surface.Bounds(), false, true}, Names(), Scores());
    }
    static Size TableSize() { return {TableWidth, TableHeight}; }

    // The table's hand-by-hand sheet on its felt, filling the area, in pixels.
    void PaintHands() {
        SharpSurface surface(*this, {width(), height()}, QPointF(0, 0), 1.0, nullptr);
        const SharpSheetData data = SharpSheetOf(dialog_);
        const SharpSheetAsk ask = SharpSheetAskFor(data, SharpRow(dialog_.ShownScale()));
        DrawSharpSheet(data, LayOutSharpSheet({width(), height()}, ask), surface);
    }

    void PaintClassic() {
        const int zoom = static_cast<int>(dialog_.ShownScale());
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
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sheet_, 0, Qt::AlignHCenter);
    layout->addWidget(buttons);
    // The sheet's size is set when the dialog opens, and the dialog follows it.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FitTitleBar(*this);
}

int CScoreDlg::Zoom() const {
    return std::clamp(zoom, MinZoom, MaxZoom);
}

double CScoreDlg::SharpScale() const {
    return std::isfinite(scale) ? std::max(scale, 1.0) : 1.0;
}

QSize CScoreDlg::SheetUnits(double shownScale) const {
    const ScoreSheetPlace place{{0, 0, TableWidth, TableHeight}, false, true};
    Rect box;
    if (sharp) {
        SharpSurface surface({1, 1}, shownScale, devicePixelRatioF(), nullptr);
        box = ScoreSheetBox(surface, place, SheetNames(*this), SheetScores(*this));
    } else {
        QtSurface surface(Size{1, 1});
        box = ScoreSheetBox(surface, place, SheetNames(*this), SheetScores(*this));
    }
    return {box.Width() + 2 * kSheetMargin, box.Height() + 2 * kSheetMargin};
}

QSize CScoreDlg::SharpSheetPixels(double shownScale) const {
    const Size size = SharpSheetSize(SharpSheetAskFor(SharpSheetOf(*this), SharpRow(shownScale)));
    return {size.width, size.height};
}

// The table's zoom or scale, or the largest smaller one with which the sheet, the
// button row and a frame fit in `room`; never below 1.
QSize CScoreDlg::FreeRoom(QSize room) const {
    const QMargins margins = layout()->contentsMargins();
    const QSize around(margins.left() + margins.right(),
                       margins.top() + margins.bottom() + layout()->spacing() +
                           findChild<QDialogButtonBox*>()->sizeHint().height());
    return room - kFrameAllowance - around;
}

int CScoreDlg::FittingHeight(QSize room) const {
    return std::max(kSharpRow * 8, FreeRoom(room).height());
}

double CScoreDlg::FittingScale(QSize units, QSize room) const {
    const QSize free = FreeRoom(room);
    const double fits =
        std::min(double(free.width()) / units.width(), double(free.height()) / units.height());
    if (sharp) return std::max(1.0, std::min(SharpScale(), fits));
    return std::max(MinZoom, std::min(Zoom(), static_cast<int>(std::floor(fits))));
}

// The sheet as large as it stands over the table, or as large as the screen has room
// for; the dialog is the sheet's size, centred on the window. Done before showing: a
// position given then places the frame, one given from showEvent places the client
// area under X11, which left the frame a title bar too high.
void CScoreDlg::setVisible(bool visible) {
    if (visible && !isVisible()) {
        ensurePolished();
        const QScreen* shownOn = parentWidget() ? parentWidget()->screen() : screen();
        const QSize room = shownOn ? shownOn->availableSize() : QSize(1 << 20, 1 << 20);
        if (sharp) {
            // Sized by its width: a long game makes it as tall as the screen allows, and
            // the sheet then shrinks its rows or leaves the earliest out.
            shownScale_ = SharpScale();
            const QSize atOne = SharpSheetPixels(1.0);
            shownScale_ = FittingScale({atOne.width(), 1}, room);
            const QSize wanted = SharpSheetPixels(shownScale_);
            const int tallest = FittingHeight(room);
            sheet_->setFixedSize(wanted.width(), std::min(wanted.height(), tallest));
        } else {
            shownScale_ = Zoom();
            const QSize units = SheetUnits(shownScale_);
            shownScale_ = FittingScale(units, room);
            sheet_->setFixedSize(static_cast<int>(std::ceil(units.width() * shownScale_)),
                                 static_cast<int>(std::ceil(units.height() * shownScale_)));
        }
        layout()->activate();
        if (parentWidget()) PlaceCentred(*this, *parentWidget());
    }
    QDialog::setVisible(visible);
}

}  // namespace mervane
