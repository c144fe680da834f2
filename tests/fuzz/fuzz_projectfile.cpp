#include "model/consistency.h"
#include "model/stores.h"
#include "project/projectdocument.h"
#include "project/roomrules.h"
#include "tests/support/blankproject.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Arbitrary bytes through the import path of the core: size limit,
// decryption, parsing, the checks, the rebuild into empty stores. Afterwards
// the claim counters must equal what the imported records claim, and
// releasing every store must return them all to zero. Two functions holding
// one input, or a Master Off controlling a free output, are legal in a file
// made by hand and not reported here.

namespace
{

[[noreturn]] void fail(const char *what, const QStringList &findings)
{
    std::fprintf(stderr, "%s\n", what);
    for (const QString &line : findings)
        std::fprintf(stderr, "  %s\n", qUtf8Printable(line));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    resetToBlankProject();
    // The import reads at most one byte beyond the limit.
    const auto length = int(std::min(size, std::size_t(maxProjectFileSize) + 1));
    const ProjectFileContent content =
        checkProjectBytes(QByteArray(reinterpret_cast<const char *>(data), length), "v2.0.2");
    if (content.check == ProjectCheck::Accepted) {
        rebuildProject(content.document);
        unreadMembers(content.document);
        repeatedMembers(content.text);
        editorRuleFindings();
    }

    const QStringList counters = checkClaimCounters();
    if (!counters.isEmpty())
        fail("claim counters out of step after import:", counters);
    // Run for their own sake: whatever a file holds, they must not fail.
    checkExclusiveHolding();
    checkControlledOutputs();

    releaseAllRecords();
    const QStringList left = checkClaimCounters();
    if (!left.isEmpty())
        fail("claims left after releasing every store:", left);
    return 0;
}
