#include <QCoreApplication>

#include "platform/Platform.h"

namespace platform {

std::string ApplicationPath() {
    if (QCoreApplication::instance() == nullptr) {
        return {};
    }
    return QCoreApplication::applicationFilePath().toStdString();
}

}  // namespace platform
