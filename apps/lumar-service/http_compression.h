#pragma once

// Compression of answers for clients that ask for it (Accept-Encoding).
// List answers are XML of repetitive records: gzip makes them about a tenth
// of their size, which is what a large list costs on a slow network.

#include <optional>
#include <string>
#include <string_view>

namespace lumar::service_app {

// Whether an Accept-Encoding header value accepts gzip (a q of 0 refuses it).
bool AcceptsGzip(std::string_view acceptEncoding);

// The gzip stream of `data`; nullopt if zlib fails.
std::optional<std::string> Gzip(std::string_view data);

}  // namespace lumar::service_app
