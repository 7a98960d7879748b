#include "app/score_dlg.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "render/qt_surface.h"
#include "render/score_sheet.h"

namespace mervane {
namespace {

// The area the sheet is centred in; it is painted afresh from the dialog's members.
class ScoreSheetArea : public QWidget {
  public:
    explicit ScoreSheetArea(const CScoreDlg& dialog, QWidget* parent)
        : QWidget(parent), dialog_(dialog) {
        setMinimumSize(260, 150);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QtSurface surface(*this);
        surface.SetBackColor(MakeColor(255, 255, 255));
        const ScoreSheetPlace place{{0, 0, width(), height()}, false, true};
        const std::array<std::string, 3> names{dialog_.seatNames[0].toStdString(),
                                               dialog_.seatNames[1].toStdString(),
                                               dialog_.seatNames[2].toStdString()};
        const std::array<std::int32_t, 4> scores{dialog_.scoreYou, dialog_.scoreLeft,
                                                 dialog_.scoreTop, dialog_.scoreRight};
        DrawScoreSheet(surface, place, names, scores);
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
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sheet_, 1);
    layout->addWidget(buttons);
}

}  // namespace mervane
