#pragma once

#include "platform/platform.h"

namespace bse {

// The services a front end may go without, each stub saying so in the front end's list of bases:
//     class TerminalPlatform : public Platform, NoClipboard, NoOverview { ... };
// A service neither provided nor named is a compile error where the front end is made.

// Nothing is put on or read from a clipboard; Paste Board finds it empty.
class NoClipboard : public virtual ClipboardService {
  public:
    void putBoardOnClipboard(std::string_view, const Bytes&) override {}
    ClipboardBoard clipboardBoard() override { return {}; }
    ClipboardTypes clipboardTypes() override { return {}; }
};

// Every list starts empty and none outlives the run.
class NoSettings : public virtual SettingsService {
  public:
    std::vector<std::string> readSettingList(std::string_view) override { return {}; }
    void writeSettingList(std::string_view, const std::vector<std::string>&) override {}
};

// No second window: the overview is never seen.
class NoOverview : public virtual OverviewService {
  public:
    void showOverview(std::string_view) override {}
    void hideOverview() override {}
    void setOverviewTitle(std::string_view) override {}
    void setOverviewCount(int) override {}
    void setOverviewTile(int, const Picture&, std::string_view) override {}
    void setOverviewFrame(int) override {}
};

// No recovery copies: startSafekeeping says so, and the rest is never asked.
class NoSafekeeping : public virtual SafekeepingService {
  public:
    bool startSafekeeping() override { return false; }
    std::vector<std::string> orphanedRecoveryCopies() override { return {}; }
    Result<Bytes> readRecoveryCopy(const std::string&) override {
        return refuse("No recovery copies here.");
    }
    Status setRecoveryCopyAside(const std::string&) override { return Done{}; }
    void writeRecoveryCopy(Bytes) override {}
    void removeRecoveryCopy(const std::string&) override {}
    std::string recoveryFailure() override { return {}; }
};

// Changes by other programs go unnoticed.
class NoFileWatch : public virtual FileWatchService {
  public:
    void watchFile(const std::string&) override {}
};

} // namespace bse
