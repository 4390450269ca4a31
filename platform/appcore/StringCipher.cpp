#include "StringCipher.h"

#include <cstring>

namespace {

// Printable ASCII rotates within 0x20..0x7E; UTF-8 continuation bytes rotate
// within 0x80..0xBF unless they are the first after the lead of a three- or
// four-byte sequence (whose range is restricted); lead bytes and control
// characters stay, so the result is valid UTF-8 of the same length.
enum class ByteClass { Fixed, Printable, Continuation };

ByteClass Classify(const unsigned char* text, size_t i)
{
    unsigned char c = text[i];
    if (c >= 0x20 && c <= 0x7E)
        return ByteClass::Printable;
    if (c < 0x80 || c > 0xBF || i == 0)
        return ByteClass::Fixed;
    return text[i - 1] >= 0xE0 && text[i - 1] <= 0xF4 ? ByteClass::Fixed : ByteClass::Continuation;
}

int Shift(const char* key, size_t keyLength, size_t i)
{
    return int(static_cast<unsigned char>(key[i % keyLength])) + int(i * 7);
}

void Transform(const char* in, char* out, const char* key, int direction)
{
    if (!in) {
        if (out)
            *out = '\0';
        return;
    }
    size_t length = std::strlen(in);
    size_t keyLength = key ? std::strlen(key) : 0;
    // Classes are decided on the input's structure, which both directions keep.
    const unsigned char* source = reinterpret_cast<const unsigned char*>(in);
    unsigned char* target = reinterpret_cast<unsigned char*>(out);
    for (size_t i = 0; i < length; ++i) {
        ByteClass kind = keyLength ? Classify(source, i) : ByteClass::Fixed;
        int shift = kind == ByteClass::Fixed ? 0 : direction * Shift(key, keyLength, i);
        int base = kind == ByteClass::Printable ? 0x20 : 0x80;
        int range = kind == ByteClass::Printable ? 95 : 64;
        int value = source[i];
        if (kind != ByteClass::Fixed)
            value = base + (((value - base + shift) % range) + range) % range;
        target[i] = static_cast<unsigned char>(value);
    }
    target[length] = '\0';
}

} // namespace

void EncryptString(const char* plain, char* out, const char* key)
{
    Transform(plain, out, key, 1);
}

void DecryptString(const char* stored, char* out, const char* key)
{
    Transform(stored, out, key, -1);
}
