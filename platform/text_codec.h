// Text at the edge of files: the program works in UTF-8 and writes and reads
// Shift-JIS (CP932) where its files are Shift-JIS.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace platform {

// UTF-8 to CP932. Returns false (and leaves out unconvertible characters in
// out) when some character has no CP932 form or the input is not UTF-8.
bool Utf8ToCp932(std::string_view utf8, std::string& out);

// Convenience form: the CP932 bytes, unconvertible characters left out.
std::string ToCp932(std::string_view utf8);

// CP932 to UTF-8; invalid bytes become U+FFFD.
std::string FromCp932(std::string_view cp932);

// How many bytes utf8 takes in CP932 (layout rules count those bytes).
std::size_t Cp932Length(std::string_view utf8);

// True when bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

// A path kept inside a byte record: CP932 when CP932 can hold it, else UTF-8.
std::string EncodeRecordText(std::string_view utf8);

// Reading such a text back: valid UTF-8 stays as it is, anything else is CP932.
// Pure ASCII is the same either way.
std::string DecodeRecordText(std::string_view bytes);

// Reading a path kept in such a record. Bytes that are well-formed both as
// UTF-8 and as CP932 (half-width kana pairs often are) are read the way that
// names an existing file; when both or neither do, as CP932, the encoding
// the record is written in.
std::string DecodeRecordPath(std::string_view bytes,
                             const std::function<bool(const std::string& path)>& exists);

}  // namespace platform

namespace platform {

// The longest leading part of utf8, cut between characters, whose CP932 form
// takes at most maxBytes bytes: what a fixed text buffer of maxBytes + 1
// bytes (with its terminating zero) can hold.
std::string FitCp932Bytes(std::string_view utf8, std::size_t maxBytes);

}  // namespace platform
