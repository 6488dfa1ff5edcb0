#include "ProgramPath.h"
#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char* candidate;
    bool names;
};

TEST(ProgramPath, RecognisesLongAndShortFormsInAnyCase) {
    const ProgramPath program("C:\\Windows\\Tessellux.scr", "C:\\WINDOWS\\TESSEL~1.SCR");
    const NameCase cases[] = {
        {"C:\\Windows\\Tessellux.scr", true},
        {"c:\\windows\\tessellux.scr", true},
        {"C:\\WINDOWS\\TESSELLUX.SCR", true},
        {"C:\\WINDOWS\\TESSEL~1.SCR", true},
        {"c:\\windows\\tessel~1.scr", true},
        {"\"C:\\Windows\\Tessellux.scr\"", true},
        {"  C:\\Windows\\Tessellux.scr ", true},
        {"C:\\Windows\\Other.scr", false},
        {"C:\\Windows\\System32\\Tessellux.scr", false},
        {"Tessellux.scr", false},
        {"", false},
    };
    for (const NameCase& c : cases)
        EXPECT_EQ(program.IsNamedBy(c.candidate), c.names) << "candidate \"" << c.candidate << "\"";
    EXPECT_EQ(program.Folder(), "C:\\Windows");
    EXPECT_EQ(program.FileName(), "Tessellux.scr");
}

} // namespace
