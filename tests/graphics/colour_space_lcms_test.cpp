// SPDX-License-Identifier: GPL-3.0-or-later
// Our colour formulas against Little CMS, where it is installed: the same CIELAB for every
// sRGB colour and the same CIEDE2000 for any two colours.
#ifdef KVR_HAVE_LCMS
#include "graphics/colour_space.h"

#include <gtest/gtest.h>
#include <lcms2.h>

#include <random>

TEST(ColourSpacesAgainstLittleCms, AgreeOnLabAndDeltaE)
{
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);
    cmsHTRANSFORM toLab = cmsCreateTransform(srgb, TYPE_RGB_8, lab, TYPE_Lab_DBL, INTENT_RELATIVE_COLORIMETRIC, 0);
    ASSERT_NE(toLab, nullptr);
    std::mt19937 random(3);
    double worstLab = 0, worstDeltaE = 0;
    for (int n = 0; n < 50000; ++n) {
        const std::uint8_t rgb[3] = {std::uint8_t(random()), std::uint8_t(random()), std::uint8_t(random())};
        cmsCIELab theirs;
        cmsDoTransform(toLab, rgb, &theirs, 1);
        const kvr::Lab ours = kvr::labFromSrgb(rgb[0], rgb[1], rgb[2]);
        worstLab = std::max(worstLab, kvr::deltaE2000(ours, {float(theirs.L), float(theirs.a), float(theirs.b)}));

        const kvr::Lab other = kvr::labFromSrgb(std::uint8_t(random()), std::uint8_t(random()), std::uint8_t(random()));
        const cmsCIELab one{ours.L, ours.a, ours.b}, two{other.L, other.a, other.b};
        worstDeltaE =
            std::max(worstDeltaE, std::abs(cmsCIE2000DeltaE(&one, &two, 1, 1, 1) - kvr::deltaE2000(ours, other)));
    }
    cmsDeleteTransform(toLab);
    cmsCloseProfile(lab);
    cmsCloseProfile(srgb);
    // Its curves and matrices are stored in 16-bit fixed point: a few hundredths apart.
    EXPECT_LT(worstLab, 0.05);
    EXPECT_LT(worstDeltaE, 1e-6);
}
#endif
