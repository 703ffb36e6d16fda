// The visual-style loaders: the library does not exist here, so both tables stay unloaded after
// start-up; a stand-in library shows what binding by name does where one exists.
#include <gtest/gtest.h>

#include "listcontrols/ACXPVS.h"
#include "listcontrols/GxXPVS.h"
#include "platform/rtl/Exceptions.h"

namespace {

// Loads the table from the library and answers the message of the assertion raised, or "".
std::string LoadMessage(TUxThemeApi& api, const String& library)
{
    try {
        api.Load(library);
    } catch (const EAssertionFailed& e) {
        return e.Message().ToUtf8();
    }
    return "";
}

TEST(VisualStyleLoaders, WithoutTheLibraryNothingIsBoundAfterStartUp)
{
    EXPECT_FALSE(ACXPVS::UxThemeLoaded());
    EXPECT_FALSE(GxXPVS::UxThemeLoaded());
    EXPECT_EQ(ACXPVS::Api().Count(), 45);
    EXPECT_EQ(GxXPVS::Api().Count(), 47);
    EXPECT_EQ(ACXPVS::OpenThemeData(), nullptr);
    EXPECT_EQ(ACXPVS::IsThemeActive(), nullptr);
    ACXPVS::LoadUxThemeApi();   // asking again finds no library either
    EXPECT_FALSE(ACXPVS::UxThemeLoaded());
}

TEST(VisualStyleLoaders, ALibraryWithoutThePerMonitorOpenerLoadsCompletely)
{
    GxXPVS::LoadUxThemeApi(UXTHEME_STUB_COMPLETE);
    ASSERT_TRUE(GxXPVS::UxThemeLoaded());
    for (Integer i = 0; i < GxXPVS::Api().Count(); ++i)
        EXPECT_EQ(GxXPVS::Api().Entry(i) == nullptr, i == GxXPVS::gxOpenThemeDataForDpi) << i;
    // A second load does nothing; after unloading, a new load binds the library again.
    GxXPVS::LoadUxThemeApi("NOSUCHLIBRARY.DLL");
    EXPECT_TRUE(GxXPVS::UxThemeLoaded());
    GxXPVS::UnloadUxThemeApi();
    EXPECT_FALSE(GxXPVS::UxThemeLoaded());
    GxXPVS::LoadUxThemeApi(UXTHEME_STUB_COMPLETE);
    EXPECT_TRUE(GxXPVS::UxThemeLoaded());
    GxXPVS::UnloadUxThemeApi();

    ACXPVS::LoadUxThemeApi(UXTHEME_STUB_COMPLETE);
    ASSERT_TRUE(ACXPVS::UxThemeLoaded());
    using TStubIsThemeActive = int (*)();
    EXPECT_EQ(reinterpret_cast<TStubIsThemeActive>(ACXPVS::IsThemeActive())(), 0);
    ACXPVS::UnloadUxThemeApi();
    EXPECT_FALSE(ACXPVS::UxThemeLoaded());
}

// A library without a required entry point stops the binding with the assertion failure that
// numbers the failing check; what was bound before stays bound and the table counts as loaded.
TEST(VisualStyleLoaders, AMissingEntryPointRaisesTheAssertionOfItsCheck)
{
    struct Case { TUxThemeApi& api; const char* library; const char* message; Integer boundBefore; };
    const Case cases[] = {
        {ACXPVS::Api(), "libm.so.6", "Echec de l'assertion (ACXPVS, ligne 1537)", -1},
        {ACXPVS::Api(), UXTHEME_STUB_NOENABLE, "Echec de l'assertion (ACXPVS, ligne 1669)", ACXPVS::acxDrawThemeBackground},
        {GxXPVS::Api(), "libm.so.6", "Echec de l'assertion (GxXPVS, ligne 1563)", -1},
        {GxXPVS::Api(), UXTHEME_STUB_NOENABLE, "Echec de l'assertion (GxXPVS, ligne 1700)", GxXPVS::gxGetThemePartSize},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LoadMessage(c.api, c.library), c.message) << c.library;
        EXPECT_TRUE(c.api.UxThemeLoaded());
        if (c.boundBefore >= 0) {
            EXPECT_NE(c.api.Entry(c.boundBefore), nullptr) << c.message;
        }
        c.api.Unload();
        EXPECT_FALSE(c.api.UxThemeLoaded());
    }
}

}  // namespace
