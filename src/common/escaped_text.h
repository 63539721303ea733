#pragma once
// Names as messages and tables show them. A file or member name is bytes
// chosen by whoever made the file (an archive from elsewhere, say); shown
// raw, an ESC or a CR in it would act on the terminal that shows the
// message or the table. So every byte of a control character is shown as
// \xHH (two lower-case hex digits): C0 (0x00-0x1F: ESC, BEL, CR, LF, ...),
// DEL (0x7F) and C1 (U+0080-U+009F as UTF-8 writes them), and so is every
// byte that belongs to no UTF-8 or Shift-JIS character (a lone 0x9B, 0xFF);
// a backslash is shown doubled, so that the form reads back unambiguously.
// Other UTF-8 and Shift-JIS characters are kept.
#include <string>
#include <string_view>

namespace tremblo {

// For messages: characters kept as their bytes (Shift-JIS stays Shift-JIS).
std::string EscapedText(std::string_view bytes);

// For tables, which are UTF-8: the same, Shift-JIS characters converted to
// UTF-8 (as TextToUtf8 converts them).
std::string EscapedUtf8(std::string_view bytes);

}  // namespace tremblo
