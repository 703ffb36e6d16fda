// Libraries loaded at run time: entry points by name, missing libraries and names.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/rtl/DynLibs.h"

TEST(DynLibs, EntryPointsAreFoundByNameInALoadedLibrary)
{
    const HMODULE maths = LoadLibrary("libm.so.6");
    ASSERT_GE(maths, HINSTANCE_ERROR);
    using TCos = double (*)(double);
    auto cosine = reinterpret_cast<TCos>(GetProcAddress(maths, "cos"));
    ASSERT_NE(cosine, nullptr);
    EXPECT_DOUBLE_EQ(cosine(0.0), 1.0);
    EXPECT_EQ(GetProcAddress(maths, "NoSuchEntryPoint"), nullptr);
    EXPECT_TRUE(FreeLibrary(maths));
}

TEST(DynLibs, AMissingLibraryGivesAHandleBelow32AndNothingInIt)
{
    const HMODULE missing = LoadLibrary("NOSUCHLIBRARY.DLL");
    EXPECT_LT(missing, HINSTANCE_ERROR);
    EXPECT_EQ(GetProcAddress(missing, "cos"), nullptr);
    EXPECT_FALSE(FreeLibrary(missing));
}
