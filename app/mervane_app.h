#pragma once

#include <memory>

namespace mervane {

class CMainFrame;
class TerminationSignals;

// The application: names the settings' company, makes the main window and ends the
// program when it closes, also on SIGTERM, SIGINT and SIGHUP. Needs a QApplication.
class CMervaneApp {
  public:
    CMervaneApp();
    ~CMervaneApp();
    // Sets up what QApplication must know before it is made (whole-number scaling).
    static void BeforeQApplication();
    bool InitInstance();
    CMainFrame* MainFrame() const { return frame_.get(); }

  private:
    std::unique_ptr<CMainFrame> frame_;
    // Before the frame goes, so that a late signal finds no window.
    std::unique_ptr<TerminationSignals> signals_;
};

}  // namespace mervane
