// Feeds arbitrary bytes as the body of a service's answer through the SOAP
// component's answer reader and through the result-item walk of two list
// operations (the widest record and the colour list), as a 200 answer and as
// a 500 one. Whatever arrives, nothing may crash, and a list reported as
// read must hold exactly its announced records.

#include "platform/soap/soap_answer.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/soap/soap_ctrl.h"
#include "service/ws_client.h"

namespace {

template <typename Record>
void CheckList(bool ok, const lumar::WSListResult<Record>& result) {
    if (ok &&
        static_cast<std::size_t>(result.Count < 0 ? 0 : result.Count) != result.Records.size()) {
        std::abort();
    }
    if (result.Records.size() > static_cast<std::size_t>(result.Count < 0 ? 0 : result.Count)) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // No settings file: the clients use their defaults and the URI set below.
    setenv("LUMAR_REGISTRY", "/nonexistent/lumar-fuzz/registry.reg", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lumar::soap::HttpReply reply;
    reply.received = true;
    reply.contentType = "text/xml; charset=utf-8";
    reply.body.assign(reinterpret_cast<const char*>(data), size);

    for (const long status : {200L, 500L}) {
        reply.statusCode = status;
        const lumar::soap::Answer answer = lumar::soap::ReadAnswer(reply, "http://fuzz/ws");
        if (answer.status < 0 || answer.status > 5 ||
            (answer.status != 0 && !answer.items.empty())) {
            std::abort();
        }
    }

    reply.statusCode = 200;
    lumar::SetSoapComponentFactory([&reply] {
        return std::make_unique<lumar::soap::SoapCtrl>(
            [&reply](const lumar::soap::HttpPost&) { return reply; });
    });
    {
        lumar::CWSClient client;
        client.SetUri("http://fuzz/ws");
        lumar::WSListResult<lumar::PublicationLastInfoRecord> publications;
        CheckList(client.PublicationLastInfoList({}, publications), publications);
    }
    {
        lumar::CWSClient client;
        client.SetUri("http://fuzz/ws");
        lumar::WSListResult<lumar::ColourRecord> colours;
        CheckList(client.ColourList({}, colours), colours);
    }
    lumar::SetSoapComponentFactory({});
    return 0;
}
