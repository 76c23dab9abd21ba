#include "app/window_texts.h"

#include <cstring>

namespace zentavo {

QString Texts::SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace zentavo
