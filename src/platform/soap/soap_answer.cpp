#include "platform/soap/soap_answer.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <pugixml.hpp>

namespace lumar::soap {

namespace {

// The answer's paths may together be this many times longer than the answer
// itself. Real answers stay well below (about three times for short fields);
// a hostile one with deep nesting or long names cannot make the walk grow
// out of proportion.
constexpr std::size_t kPathBytesPerAnswerByte = 16;
constexpr std::size_t kPathBytesMinimum = std::size_t{1024} * 1024;

std::string_view LocalName(const pugi::xml_node& node) {
    std::string_view name = node.name();
    const std::size_t colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node FirstElement(const pugi::xml_node& parent) {
    for (pugi::xml_node child = parent.first_child(); !child.empty();
         child = child.next_sibling()) {
        if (child.type() == pugi::node_element) {
            return child;
        }
    }
    return {};
}

pugi::xml_node NextElement(const pugi::xml_node& node) {
    for (pugi::xml_node next = node.next_sibling(); !next.empty(); next = next.next_sibling()) {
        if (next.type() == pugi::node_element) {
            return next;
        }
    }
    return {};
}

pugi::xml_node ChildElement(const pugi::xml_node& parent, std::string_view localName) {
    for (pugi::xml_node child = FirstElement(parent); !child.empty(); child = NextElement(child)) {
        if (LocalName(child) == localName) {
            return child;
        }
    }
    return {};
}

// The text of an element: its character data and CDATA sections together.
std::string TextOf(const pugi::xml_node& element) {
    std::string text;
    for (pugi::xml_node child = element.first_child(); !child.empty();
         child = child.next_sibling()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
            text += child.value();
        }
    }
    return text;
}

std::string Trimmed(const std::string& text) {
    const char* blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

Answer Failure(long status, std::string text) {
    Answer answer;
    answer.status = status;
    answer.statusText = std::move(text);
    return answer;
}

std::string AnswerFrom(std::string_view url) {
    return "The answer from " + std::string(url);
}

// Collects the leaf elements below `result` in document order, without
// recursion so that nesting depth cannot exhaust the stack. Returns false
// when the paths would exceed `budget` bytes.
bool CollectLeaves(const pugi::xml_node& result, std::size_t budget,
                   std::vector<ResultItem>& items) {
    std::size_t used = 0;
    std::string path(LocalName(result));
    auto addLeaf = [&](const pugi::xml_node& leaf) {
        used += path.size();
        if (used > budget) {
            return false;
        }
        items.push_back({path, TextOf(leaf)});
        return true;
    };
    pugi::xml_node current = FirstElement(result);
    if (!current) {
        return addLeaf(result);
    }
    std::vector<std::size_t> lengths;  // the path's length before each segment
    auto enter = [&](const pugi::xml_node& node) {
        lengths.push_back(path.size());
        path += ' ';
        path += LocalName(node);
    };
    enter(current);
    for (;;) {
        if (const pugi::xml_node child = FirstElement(current)) {
            enter(child);
            current = child;
            continue;
        }
        if (!addLeaf(current)) {
            return false;
        }
        for (;;) {
            path.resize(lengths.back());
            lengths.pop_back();
            if (const pugi::xml_node next = NextElement(current)) {
                enter(next);
                current = next;
                break;
            }
            current = current.parent();
            if (current == result) {
                return true;
            }
        }
    }
}

bool HasDoctype(const pugi::xml_document& document) {
    for (pugi::xml_node child = document.first_child(); !child.empty();
         child = child.next_sibling()) {
        if (child.type() == pugi::node_doctype) {
            return true;
        }
    }
    return false;
}

// The fault's text: SOAP 1.1's faultstring, SOAP 1.2's Reason/Text, or what
// is known of a fault without one.
std::string FaultText(const pugi::xml_node& fault) {
    if (const pugi::xml_node text = ChildElement(fault, "faultstring")) {
        return Trimmed(TextOf(text));
    }
    if (const pugi::xml_node reason = ChildElement(fault, "Reason")) {
        if (const pugi::xml_node text = ChildElement(reason, "Text")) {
            return Trimmed(TextOf(text));
        }
    }
    std::string text = "The service reported a fault without a text";
    if (const pugi::xml_node code = ChildElement(fault, "faultcode")) {
        text += " (" + Trimmed(TextOf(code)) + ")";
    }
    return text;
}

struct Parsed {
    pugi::xml_document document;
    pugi::xml_parse_result result;
    pugi::xml_node body;  // the envelope's Body when the answer is a SOAP message
};

// Parses without expanding anything but the five predefined entities and
// character references; a document type is kept as a node so it can be seen.
void Parse(const std::string& text, Parsed& parsed) {
    constexpr unsigned kOptions =
        pugi::parse_default | pugi::parse_doctype | pugi::parse_ws_pcdata_single;
    parsed.result = parsed.document.load_buffer(text.data(), text.size(), kOptions);
    if (!parsed.result || HasDoctype(parsed.document)) {
        return;
    }
    const pugi::xml_node envelope = parsed.document.document_element();
    if (LocalName(envelope) == "Envelope") {
        parsed.body = ChildElement(envelope, "Body");
    }
}

std::string HttpStatusText(const HttpReply& reply) {
    std::string text = "HTTP " + std::to_string(reply.statusCode);
    if (!reply.reason.empty()) {
        text += " " + reply.reason;
    }
    return text;
}

bool IsMultipart(std::string_view contentType) {
    auto startsWith = [&](const char* prefix) {
        const std::size_t length = std::strlen(prefix);
        if (contentType.size() < length) {
            return false;
        }
        for (std::size_t i = 0; i < length; ++i) {
            char c = contentType[i];
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
            if (c != prefix[i]) {
                return false;
            }
        }
        return true;
    };
    return startsWith("multipart/") || startsWith("application/dime");
}

}  // namespace

Answer ReadAnswer(const HttpReply& reply, std::string_view url) {
    if (!reply.received) {
        return Failure(kStatusTransportFailure, "Could not complete the request to " +
                                                    std::string(url) + ": " + reply.failure);
    }
    if (IsMultipart(reply.contentType)) {
        return Failure(kStatusDime, AnswerFrom(url) + " is a DIME or multipart message (" +
                                        reply.contentType + "), which is not supported");
    }

    Parsed parsed;
    Parse(reply.body, parsed);
    const pugi::xml_node first = FirstElement(parsed.body);
    const bool fault = !first.empty() && LocalName(first) == "Fault";

    if (reply.statusCode != 200) {
        if (fault) {
            return Failure(kStatusServerFault, FaultText(first));
        }
        return Failure(reply.statusCode == 500 ? kStatusServerFault : kStatusHttpError,
                       HttpStatusText(reply));
    }
    if (reply.body.empty()) {
        return Failure(kStatusTransportFailure, AnswerFrom(url) + " is empty");
    }
    if (!parsed.result) {
        return Failure(kStatusTransportFailure,
                       AnswerFrom(url) + " is not well-formed XML: " + parsed.result.description() +
                           " at byte " + std::to_string(parsed.result.offset));
    }
    if (HasDoctype(parsed.document)) {
        return Failure(kStatusTransportFailure,
                       AnswerFrom(url) +
                           " contains a document type declaration, which is "
                           "refused");
    }
    if (!parsed.body) {
        return Failure(kStatusTransportFailure, AnswerFrom(url) + " is not a SOAP envelope");
    }
    if (fault) {
        return Failure(kStatusServerFault, FaultText(first));
    }
    const pugi::xml_node result = ChildElement(first, "Result");
    if (!result) {
        return Failure(kStatusTransportFailure, AnswerFrom(url) + " holds no Result element");
    }
    Answer answer;
    const std::size_t budget = kPathBytesMinimum + kPathBytesPerAnswerByte * reply.body.size();
    if (!CollectLeaves(result, budget, answer.items)) {
        return Failure(kStatusTransportFailure,
                       AnswerFrom(url) +
                           " nests its elements too deeply or names them at "
                           "too great a length");
    }
    answer.status = kStatusAnswered;
    answer.statusText = "OK";
    return answer;
}

}  // namespace lumar::soap
