#include "platform/pdf/cos_object.h"

#include "platform/pdf/internal/document_state.h"
#include "platform/pdf/internal/guard.h"

namespace lumar::pdf {

namespace {

using internal::makeRef;
using internal::ObjectRef;

std::shared_ptr<const ObjectRef> nullRef() {
    static const auto null = makeRef(nullptr, QPDFObjectHandle::newNull());
    return null;
}

}  // namespace

CosObject::CosObject() : ref_(nullRef()) {}

CosObject::CosObject(std::shared_ptr<const internal::ObjectRef> ref)
    : ref_(ref ? std::move(ref) : nullRef()) {}

CosType CosObject::type() const {
    return internal::guarded("Cannot read the object", [&] {
        QPDFObjectHandle& o = ref_->live();
        if (o.isStream()) {
            return CosType::Stream;
        }
        if (o.isDictionary()) {
            return CosType::Dictionary;
        }
        if (o.isArray()) {
            return CosType::Array;
        }
        if (o.isName()) {
            return CosType::Name;
        }
        if (o.isString()) {
            return CosType::String;
        }
        if (o.isInteger()) {
            return CosType::Integer;
        }
        if (o.isReal()) {
            return CosType::Real;
        }
        if (o.isBool()) {
            return CosType::Boolean;
        }
        return CosType::Null;
    });
}

CosObject CosObject::dictValue(const std::string& key) const {
    return internal::guarded("Cannot read the dictionary", [&]() -> CosObject {
        QPDFObjectHandle& o = ref_->live();
        QPDFObjectHandle dict = o.isStream() ? o.getDict() : o;
        if (!dict.isDictionary()) {
            return {};
        }
        return CosObject(makeRef(ref_->document, dict.getKey("/" + key)));
    });
}

int CosObject::arrayLength() const {
    return internal::guarded("Cannot read the array", [&] {
        QPDFObjectHandle& o = ref_->live();
        return o.isArray() ? o.getArrayNItems() : 0;
    });
}

CosObject CosObject::arrayElement(int index) const {
    return internal::guarded("Cannot read the array", [&]() -> CosObject {
        QPDFObjectHandle& o = ref_->live();
        if (!o.isArray() || index < 0 || index >= o.getArrayNItems()) {
            return {};
        }
        return CosObject(makeRef(ref_->document, o.getArrayItem(index)));
    });
}

std::optional<std::string> CosObject::nameText() const {
    return internal::guarded("Cannot read the name", [&]() -> std::optional<std::string> {
        QPDFObjectHandle& o = ref_->live();
        if (!o.isName()) {
            return std::nullopt;
        }
        std::string name = o.getName();
        return name.empty() ? name : name.substr(1);
    });
}

std::optional<double> CosObject::number() const {
    return internal::guarded("Cannot read the number", [&]() -> std::optional<double> {
        QPDFObjectHandle& o = ref_->live();
        if (!o.isNumber()) {
            return std::nullopt;
        }
        return o.getNumericValue();
    });
}

int CosObject::objectNumber() const {
    return ref_->live().getObjectID();
}

int CosObject::generation() const {
    return ref_->live().getGeneration();
}

bool CosObject::sameObject(const CosObject& other) const {
    return internal::guarded("Cannot compare objects", [&] {
        if (ref_ == other.ref_) {
            return true;
        }
        if (ref_->document != other.ref_->document) {
            return false;
        }
        QPDFObjectHandle& a = ref_->live();
        QPDFObjectHandle& b = other.ref_->live();
        if (a.isIndirect() || b.isIndirect()) {
            return a.getObjGen() == b.getObjGen();
        }
        return a.isSameObjectAs(b);
    });
}

}  // namespace lumar::pdf
