#include "cli/document_session.h"

namespace lumar::cli {

DocumentSession::DocumentSession(const GlobalOptions& global, const std::string& pdf)
    : session_(global) {
    session_.LogOn();
    session_.OpenDocument(pdf);
}

}  // namespace lumar::cli
