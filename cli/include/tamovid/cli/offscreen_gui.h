#pragma once

#include <QtGlobal>

#include <array>
#include <memory>

class QGuiApplication;

namespace tamovid::cli {

/// A QGuiApplication on the offscreen platform for the length of a scope, made only when
/// the program has none yet, so that fonts can be measured and drawn without a display.
/// Qt's own notes (such as a missing runtime folder) are kept off standard error meanwhile.
class OffscreenGui {
public:
    OffscreenGui();
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

private:
    // The platform named on the command line wins over QT_QPA_PLATFORM. Qt keeps
    // references to these for the application's life and takes out the arguments it
    // handles, so each application gets its own copy.
    std::array<char, 12> program_{"tamovid-cli"};
    std::array<char, 10> platformFlag_{"-platform"};
    std::array<char, 10> platform_{"offscreen"};
    std::array<char*, 4> argv_{program_.data(), platformFlag_.data(), platform_.data(), nullptr};
    int argc_ = 3;
    QtMessageHandler previous_ = nullptr;
    std::unique_ptr<QGuiApplication> app_;
};

}  // namespace tamovid::cli
