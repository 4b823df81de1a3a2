#include "FieldFile.h"
#include "TestSupport.h"
class FieldFileTest : public WorkDirTest {};
TEST_F(FieldFileTest, Placeholder) { FieldFile f; EXPECT_FALSE(f.openForReading("x")); }
