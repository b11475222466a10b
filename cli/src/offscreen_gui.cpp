#include "tamovid/cli/offscreen_gui.h"

#include <QGuiApplication>

#include <cstdio>

namespace tamovid::cli {
namespace {

// Only Qt's critical and fatal messages are the tool's to print.
void QuietMessages(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

}  // namespace

OffscreenGui::OffscreenGui() {
    if (QCoreApplication::instance() != nullptr) return;
    previous_ = qInstallMessageHandler(QuietMessages);
    app_ = std::make_unique<QGuiApplication>(argc_, argv_.data());
}

OffscreenGui::~OffscreenGui() {
    if (!app_) return;
    app_.reset();
    qInstallMessageHandler(previous_);
}

}  // namespace tamovid::cli
