#include "app/dialogs/statistics_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "app/dialogs/message_box.h"
#include "app/dialogs/window_fit.h"
#include "app/stores/statistics.h"

namespace mervane {
namespace {

// One row: its title and how each rule set's figure reads.
struct Row {
    const char* title;  // marked for translation; none for the seats' rows
    QString (*value)(const RuleSetStatistics&, int seat);
};

// Figures in the user's own number format ("54,0" in German).
QString Count(std::int64_t value) {
    return QLocale().toString(static_cast<qlonglong>(value));
}

QString Percent(double rate) {
    return QStringLiteral("%1 %").arg(
        QLocale().toString(static_cast<qlonglong>(std::lround(rate * 100))));
}

// "12 in 3 games" of hints or undos; a game is counted with its first, so one game is
// the only singular.
QString UsedIn(std::int64_t used, std::int64_t games) {
    if (games == 0) return Count(used);
    return games == 1 ? CStatisticsDlg::tr("%1 in 1 game").arg(Count(used))
                      : CStatisticsDlg::tr("%1 in %2 games").arg(Count(used), Count(games));
}

}  // namespace

CStatisticsDlg::CStatisticsDlg(StatisticsKeeper& keeper, MessageBoxes& messages,
                               const std::array<QString, 3>& seatNames, QWidget* parent)
    : QDialog(parent),
      keeper_(keeper),
      messages_(messages),
      seatNames_(seatNames),
      levelChoice_(new QComboBox(this)),
      table_(new QTableWidget(this)) {
    setWindowTitle(tr("Statistics"));
    // In Level's order, so that an item's index is its level.
    levelChoice_->addItems({tr("Easy"), tr("Normal"), tr("Hard")});
    levelChoice_->setCurrentIndex(static_cast<int>(keeper_.LevelInForce()));
    auto* levelLabel = new QLabel(tr("Computer &level:"), this);
    levelLabel->setBuddy(levelChoice_);
    auto* levelRow = new QHBoxLayout;
    levelRow->addWidget(levelLabel);
    levelRow->addWidget(levelChoice_);
    levelRow->addStretch();
    connect(levelChoice_, &QComboBox::currentIndexChanged, this, [this] { Fill(); });
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* reset = buttons->addButton(tr("&Reset..."), QDialogButtonBox::ResetRole);
    QPushButton* close = buttons->addButton(tr("&Close"), QDialogButtonBox::AcceptRole);
    close->setDefault(true);
    connect(reset, &QPushButton::clicked, this, &CStatisticsDlg::OnReset);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(levelRow);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    Fill();
    FitTitleBar(*this);
}

void CStatisticsDlg::Fill() {
    static const Row rows[] = {
        {QT_TRANSLATE_NOOP("mervane::CStatisticsDlg", "Games played"),
         [](const RuleSetStatistics& s, int) { return Count(s.played); }},
        {QT_TRANSLATE_NOOP("mervane::CStatisticsDlg", "Games won by you"),
         [](const RuleSetStatistics& s, int) { return Count(s.won); }},
        {QT_TRANSLATE_NOOP("mervane::CStatisticsDlg", "Win rate"),
         [](const RuleSetStatistics& s, int) {
             return s.finished ? Percent(s.WinRate()) : QStringLiteral("-");
         }},
        {QT_TRANSLATE_NOOP("mervane::CStatisticsDlg", "Best final score"),
         [](const RuleSetStatistics& s, int) {
             return s.finished ? Count(s.bestScore) : QStringLiteral("-");
         }},
        {QT_TRANSLATE_NOOP("mervane::CStatisticsDlg", "Average final score"),
         [](const RuleSetStatistics& s, int) {
             return s.finished ? QLocale().toString(s.AverageScore(), 'f', 1) : QStringLiteral("-");
         }},
        {QT_TRANSLATE_NOOP("mervane::CStatisticsDlg", "Longest winning streak"),
         [](const RuleSetStatistics& s, int) { return Count(s.longestStreak); }},
        {QT_TRANSLATE_NOOP("mervane::CStatisticsDlg", "Hints used"),
         [](const RuleSetStatistics& s, int) { return UsedIn(s.hints, s.hintGames); }},
        {QT_TRANSLATE_NOOP("mervane::CStatisticsDlg", "Moves taken back"),
         [](const RuleSetStatistics& s, int) { return UsedIn(s.undos, s.undoGames); }},
        {nullptr, [](const RuleSetStatistics& s, int seat) { return Count(s.computerWins[seat]); }},
        {nullptr, [](const RuleSetStatistics& s, int seat) { return Count(s.computerWins[seat]); }},
        {nullptr, [](const RuleSetStatistics& s, int seat) { return Count(s.computerWins[seat]); }},
    };
    constexpr int rowCount = static_cast<int>(std::size(rows));
    constexpr int firstSeatRow = rowCount - 3;
    table_->setRowCount(rowCount);
    table_->setColumnCount(RuleSetCount);
    for (int column = 0; column < RuleSetCount; ++column)
        table_->setHorizontalHeaderItem(column, new QTableWidgetItem(RuleSetTitle(column)));
    const auto fill = [&](const LevelStatistics& shown) {
        for (int row = 0; row < rowCount; ++row) {
            const int seat = std::max(0, row - firstSeatRow);
            const QString title = row >= firstSeatRow ? tr("Games won by %1").arg(seatNames_[seat])
                                                      : tr(rows[row].title);
            table_->setVerticalHeaderItem(row, new QTableWidgetItem(title));
            for (int column = 0; column < RuleSetCount; ++column) {
                auto* item = new QTableWidgetItem(
                    rows[row].value(shown[static_cast<std::size_t>(column)], seat));
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                table_->setItem(row, column, item);
            }
        }
        table_->resizeColumnsToContents();
    };
    // Each column as wide as any level needs, so that the table keeps its size as the
    // level changes.
    std::array<int, RuleSetCount> widths{};
    for (const LevelStatistics& level : keeper_.Current().levels) {
        fill(level);
        for (int column = 0; column < RuleSetCount; ++column) {
            int& width = widths[static_cast<std::size_t>(column)];
            width = std::max(width, table_->columnWidth(column));
        }
    }
    fill(keeper_.Current().Of(ShownLevel()));
    for (int column = 0; column < RuleSetCount; ++column)
        table_->setColumnWidth(column, widths[static_cast<std::size_t>(column)]);
    // The whole table shows, without scroll bars.
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->resizeRowsToContents();
    const int frame = 2 * table_->frameWidth();
    table_->setMinimumSize(
        table_->verticalHeader()->sizeHint().width() + table_->horizontalHeader()->length() + frame,
        table_->horizontalHeader()->sizeHint().height() + table_->verticalHeader()->length() +
            frame);
}

Level CStatisticsDlg::ShownLevel() const {
    return static_cast<Level>(levelChoice_->currentIndex());
}

void CStatisticsDlg::OnReset() {
    if (!messages_.Ask(this, tr("Reset all statistics?"))) return;
    keeper_.Reset();
    Fill();
}

}  // namespace mervane
