// Feeds arbitrary text to the text form's import as boardset import would.
#include "format/board_set_format.h"
#include "format/text_form.h"
#include "support/board_set_checks.h"

#include <algorithm>

using namespace bse;
using check::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Result<BoardSet> set = importText(text);
    if (!set) {
        // The line named is one the text has.
        const auto lines = std::count(text.begin(), text.end(), '\n') + 1;
        const std::string& reason = set.reason();
        require(reason.rfind("line ", 0) == 0, "a refusal without its line: " + reason);
        require(std::stol(reason.substr(5)) <= lines, "a line past the end: " + reason);
        return 0;
    }
    require(check::brokenInvariant(*set).empty(), check::brokenInvariant(*set));
    // What import accepts, export writes so that it reads back the same.
    const Result<BoardSet> again = importText(exportText(*set));
    require(again.ok(), "the export of an import is refused");
    require(encodeBoardSet(*again) == encodeBoardSet(*set), "export and import disagree");
    return 0;
}
