#pragma once

// Read access to the objects of a document (the "Cos" layer): a handle to one
// object with its type, dictionary entries, array elements and names.

#include <memory>
#include <optional>
#include <string>

namespace lumar::pdf {

namespace internal {
struct ObjectRef;
}

// Object types; the values are the host's type codes.
enum class CosType : int {
    Null = 0,
    Integer = 1,
    Real = 2,
    Boolean = 3,
    Name = 4,
    String = 5,
    Dictionary = 6,
    Array = 7,
    Stream = 8,
};

// A handle to one object of a document. Copies refer to the same object. A
// default-constructed handle is the null object. Calls on an object of a
// closed document throw PdfError(DocumentClosed).
class CosObject {
public:
    CosObject();
    explicit CosObject(std::shared_ptr<const internal::ObjectRef> ref);

    [[nodiscard]] CosType type() const;
    bool isNull() const { return type() == CosType::Null; }

    // The value of a dictionary entry (a stream's dictionary counts); `key`
    // without the leading slash. Null when absent or when this is no
    // dictionary.
    [[nodiscard]] CosObject dictValue(const std::string& key) const;

    // Number of elements of an array, 0 for anything else.
    [[nodiscard]] int arrayLength() const;

    // Element `index` of an array; null when out of range or no array.
    [[nodiscard]] CosObject arrayElement(int index) const;

    // The text of a name without its slash (bytes as stored, after #xx
    // escapes are decoded); nullopt when this is no name.
    [[nodiscard]] std::optional<std::string> nameText() const;

    // Numeric value of an integer or real; nullopt otherwise.
    [[nodiscard]] std::optional<double> number() const;

    // Object and generation numbers of an indirect object; 0 for a direct one.
    [[nodiscard]] int objectNumber() const;
    [[nodiscard]] int generation() const;

    // True when both handles denote the same indirect object of the same
    // document (direct objects compare by identity of the handle).
    [[nodiscard]] bool sameObject(const CosObject& other) const;

    [[nodiscard]] const std::shared_ptr<const internal::ObjectRef>& ref() const { return ref_; }

private:
    std::shared_ptr<const internal::ObjectRef> ref_;
};

}  // namespace lumar::pdf
