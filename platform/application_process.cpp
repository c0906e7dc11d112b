#include "platform/application_process.h"

#include <QCoreApplication>

namespace platform {

void ApplicationProcess::End() {
  ended_ = true;
  QCoreApplication::exit(0);
}

}  // namespace platform
