// The manifest takes effect as the program starts: its activation context
// sends the program's comctl32.dll to the common controls of version 6.
// Without it Windows gives the controls of version 5, unthemed, whatever the
// program asks later. (wine's comctl32 tells version 5 either way, so the
// redirection is what the test reads.)
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace zentavo {
namespace {

TEST(Manifest, SendsComctl32ToTheCommonControlsOfVersion6) {
    ACTCTX_SECTION_KEYED_DATA redirection{};
    redirection.cbSize = sizeof redirection;
    ASSERT_TRUE(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                         L"comctl32.dll", &redirection));
    SIZE_T size = 0;
    QueryActCtxW(0, redirection.hActCtx, &redirection.ulAssemblyRosterIndex,
                 AssemblyDetailedInformationInActivationContext, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    ASSERT_TRUE(QueryActCtxW(0, redirection.hActCtx, &redirection.ulAssemblyRosterIndex,
                             AssemblyDetailedInformationInActivationContext, buffer.data(),
                             buffer.size(), &size));
    const auto* assembly =
        reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(buffer.data());
    const std::wstring identity(assembly->lpAssemblyEncodedAssemblyIdentity);
    EXPECT_NE(identity.find(L"Microsoft.Windows.Common-Controls"), std::wstring::npos) << identity;
    EXPECT_NE(identity.find(L"version=\"6."), std::wstring::npos) << identity;
}

}  // namespace
}  // namespace zentavo
