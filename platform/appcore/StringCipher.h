// The cipher of texts kept in the profile (the remembered password). It keeps
// the length in bytes and gives valid UTF-8 text, so the enciphered text fits
// the same buffer as the plain one and is stored as an ordinary profile string.
// It hides the text from a casual look; it is no protection against someone
// who has the program.
#pragma once

// Writes the enciphered `plain` into `out`, which must hold strlen(plain)+1
// bytes; a null or empty key leaves the text as it is.
void EncryptString(const char* plain, char* out, const char* key);
// The inverse of EncryptString with the same key.
void DecryptString(const char* stored, char* out, const char* key);
