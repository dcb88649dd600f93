// The message-box recorder: installs itself in the core's platform layer, so it serves the tests
// that link the core; the tests of the shared library install theirs through Define_Aviso.
#include "support/support.hpp"

#include "platform/platform.hpp"

namespace qvtest {

AvisoRecorder::AvisoRecorder() {
    qv::platform::defineAviso([this](std::string_view text) { messages_.emplace_back(text); });
}

AvisoRecorder::~AvisoRecorder() {
    qv::platform::defineAviso({});
}

} // namespace qvtest
