#include "platform/application_process.h"

#include <QCoreApplication>

namespace platform {

void ApplicationProcess::End() {
  QCoreApplication::exit(0);
}

}  // namespace platform
