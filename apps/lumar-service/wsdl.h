#pragma once

// The WSDL 1.1 description of the service (document/literal), written from
// the operation table. Text values are percent-encoded Windows-1252 bytes.

#include <string>
#include <string_view>

namespace lumar::service_app {

std::string WriteWsdl(std::string_view location);

}  // namespace lumar::service_app
