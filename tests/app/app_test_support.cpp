#include "app_test_support.h"

#include <QAction>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <cmath>

#include "app/dialogs/message_box.h"
#include "app/play/qt_platform.h"
#include "cards/rules.h"
#include "tests/cards/card_text.h"
#include "tests/game/game_test_access.h"

namespace mervane::testing {

void MessageRecorder::Attach(MessageBoxes& boxes) {
    boxes.SetAnswerer([this](MessageKind kind, const QString& text) {
        shown << text;
        if (kind != MessageKind::YesNo || answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    });
}

AppFixture::AppFixture() = default;

AppFixture::~AppFixture() {
    frame_.reset();
}

void AppFixture::WriteSettingsFile(const QString& iniText) const {
    QFile file(SettingsPath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(iniText.toUtf8());
}

QString AppFixture::ReadSetting(const QString& key) const {
    return QSettings(SettingsPath(), QSettings::IniFormat).value(key).toString();
}

bool AppFixture::HasSetting(const QString& key) const {
    return QSettings(SettingsPath(), QSettings::IniFormat).contains(key);
}

CMainFrame& AppFixture::Start(const QString& settingsPath) {
    frame_ = std::make_unique<CMainFrame>(
        SettingsStore(settingsPath.isEmpty() ? SettingsPath() : settingsPath));
    QtGamePlatform& platform = frame_->View()->Platform();
    platform.SetPauseScale(0);
    platform.FixClock(LocalTime{7, 2, 0, 0, 0});
    messages.Attach(frame_->Messages());
    if (!storedLook) frame_->SetLook(startLook);
    frame_->show();
    (void)QTest::qWaitForWindowExposed(frame_.get());
    return *frame_;
}

void WaitWhileBusy(const CMervaneView& view) {
    QElapsedTimer waited;
    waited.start();
    while (view.Busy() && waited.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void SetHumanToMove(CMervaneView& view, std::initializer_list<const char*> cards) {
    GameState& state = GameTestAccess::State(view.Game());
    state.hands[0].Clear();
    for (const char* card : cards) state.hands[0].Add(ParseCard(card));
    for (int seat = 1; seat < 4; ++seat) {
        state.hands[seat].Clear();
        for (const char* card : {"4C", "4D", "6C"}) state.hands[seat].Add(ParseCard(card));
    }
    state.topCard = ParseCard("9H");
    state.currentSuit = Hearts;
    state.choosingSuit = false;
    view.Game().RefreshCardCounts();
    view.update();
}

void AppFixture::Trigger(CommandId id) {
    const bool idle = !View().Busy();
    frame_->Command(id)->trigger();
    if (idle) WaitWhileBusy(View());
}

void AppFixture::TapTable(Point p) {
    const bool idle = !View().Busy();
    const TableViewport viewport = View().Viewport();
    // The viewport's corner lies on a whole pixel and a table pixel's far edge is
    // rounded to the nearest, as the surfaces draw it.
    const auto last = [&](double offset, int table) {
        return static_cast<int>(std::lround(offset + (table + 1) * viewport.scale)) - 1;
    };
    QTest::mouseClick(&View(), Qt::LeftButton, {},
                      QPoint(last(viewport.left, p.x), last(viewport.top, p.y)));
    if (idle) WaitWhileBusy(View());
}

Point AppFixture::HandCardPoint(int index) {
    const CCardTable& table = State().table;
    const Point corner = table.CardPos(Bottom, index);
    return {corner.x + 2, corner.y + table.cardHeight / 2};
}

Point AppFixture::DrawPilePoint() {
    return State().table.DrawPileRect().Center();
}

void AppFixture::TapDevice(Point p) {
    const bool idle = !View().Busy();
    const double ratio = View().devicePixelRatioF();
    // The centre of the device pixel, in the widget's logical pixels.
    QTest::mouseClick(&View(), Qt::LeftButton, {},
                      QPointF((p.x + 0.5) / ratio, (p.y + 0.5) / ratio).toPoint());
    if (idle) WaitWhileBusy(View());
}

void AppFixture::TapHandCard(int index) {
    if (!View().ShowsSharpTable()) return TapTable(HandCardPoint(index));
    TapDevice(View().SharpLayout().handStrips.at(static_cast<std::size_t>(index)).Center());
}

void AppFixture::TapPack() {
    if (!View().ShowsSharpTable()) return TapTable(DrawPilePoint());
    TapDevice(View().SharpLayout().pack.Center());
}

void AppFixture::TapSuitBox(int box) {
    if (!View().ShowsSharpTable())
        return TapTable(State().table.SuitBoxes()[static_cast<std::size_t>(box)].Center());
    TapDevice(View().SharpLayout().suitBoxes.at(static_cast<std::size_t>(box)).Center());
}

bool AppFixture::PlayHumanMove() {
    const GameState& state = State();
    if (!state.humanTurn || state.handOver) return false;
    if (state.choosingSuit) {
        TapSuitBox(0);
        return true;
    }
    const CardList& hand = state.hands[0];
    for (int i = 0; i < hand.Count(); ++i) {
        if (IsLegalPlay(hand.At(i), state.topCard, state.currentSuit)) {
            TapHandCard(i);
            return true;
        }
    }
    TapPack();
    return true;
}

bool AppFixture::PlayOutHand() {
    for (int moves = 0; moves < 400; ++moves) {
        if (State().handOver) return true;
        if (!PlayHumanMove()) return State().handOver;
    }
    return false;
}

}  // namespace mervane::testing
