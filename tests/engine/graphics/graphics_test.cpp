#include <gtest/gtest.h>

#include "engine/graphics/axis_format.h"
#include "engine/graphics/form_scale.h"
#include "engine/graphics/graph_file_format.h"

namespace vostrel {
namespace {

TEST(GraphFileFormat, FollowsTheExtensionWhateverItsCase) {
    EXPECT_EQ(GraphFileFormatFor("/tmp/chart.svg"), GraphFileFormat::Svg);
    EXPECT_EQ(GraphFileFormatFor("chart.PDF"), GraphFileFormat::Pdf);
    EXPECT_EQ(GraphFileFormatFor("chart.Png"), GraphFileFormat::Png);
    EXPECT_EQ(GraphFileFormatFor("chart.bmp"), GraphFileFormat::Bmp);
    EXPECT_EQ(GraphFileFormatFor("chart.jpg"), GraphFileFormat::Jpeg);
    EXPECT_EQ(GraphFileFormatFor("chart.JPEG"), GraphFileFormat::Jpeg);
    // The old metafile names and anything else are not pictures this program writes.
    EXPECT_EQ(GraphFileFormatFor("chart.emf"), GraphFileFormat::Invalid);
    EXPECT_EQ(GraphFileFormatFor("chart.txt"), GraphFileFormat::Invalid);
    EXPECT_EQ(GraphFileFormatFor("chart"), GraphFileFormat::Invalid);
    EXPECT_EQ(GraphFileFormatFor("my.charts/chart"), GraphFileFormat::Invalid);
    EXPECT_EQ(GraphFileFormatFor("chart.svg.bak"), GraphFileFormat::Invalid);
}

TEST(GraphFileFormat, AWindowWithoutJpegRefusesIt) {
    EXPECT_EQ(GraphFileFormatFor("chart.jpg", GraphFormats::WithoutJpeg), GraphFileFormat::Invalid);
    EXPECT_EQ(GraphFileFormatFor("chart.bmp", GraphFormats::WithoutJpeg), GraphFileFormat::Bmp);
    EXPECT_EQ(std::string(GraphSaveFilter(GraphFormats::WithoutJpeg)).find("jpg"),
              std::string::npos);
}

TEST(FormScale, TheToggleEnlargesToTheWorkAreaAndBack) {
    const FormSize window{400, 300};
    const FormSize work{1000, 600};
    // The larger of the two ratios is asked for; the window then fits by the other one.
    const double wanted = ToggleTargetScale(1.0, window, work);
    EXPECT_DOUBLE_EQ(wanted, 2.5);
    const FormScaleStep large = ScaleFormStep(1.0, wanted, window, work);
    ASSERT_TRUE(large.Changes);
    EXPECT_DOUBLE_EQ(large.NewScale, 2.0);
    EXPECT_EQ(large.NewSize.Width, 800);
    EXPECT_EQ(large.NewSize.Height, 600);

    EXPECT_DOUBLE_EQ(ToggleTargetScale(2.0, large.NewSize, work), 1.0);
    const FormScaleStep back = ScaleFormStep(2.0, 1.0, large.NewSize, work);
    ASSERT_TRUE(back.Changes);
    EXPECT_DOUBLE_EQ(back.Ratio, 0.5);
    EXPECT_EQ(back.NewSize.Width, 400);
    EXPECT_EQ(back.NewSize.Height, 300);
}

TEST(FormScale, AWindowFillingTheWorkAreaStaysAndALargerOneShrinksToFit) {
    EXPECT_FALSE(ScaleFormStep(1.0, 1.0, {500, 400}, {1000, 600}).Changes);
    // As wide as the work area: nothing to enlarge.
    EXPECT_FALSE(ScaleFormStep(1.0, ToggleTargetScale(1.0, {1000, 300}, {1000, 600}), {1000, 300},
                               {1000, 600})
                     .Changes);
    // Wider than the work area: the toggle shrinks it to fit, and the next press restores it.
    const FormScaleStep fit = ScaleFormStep(1.0, ToggleTargetScale(1.0, {1200, 300}, {1000, 600}),
                                            {1200, 300}, {1000, 600});
    ASSERT_TRUE(fit.Changes);
    EXPECT_LT(fit.NewScale, 1.0);
    EXPECT_EQ(fit.NewSize.Width, 1000);
    EXPECT_EQ(fit.NewSize.Height, 250);
    const FormScaleStep back = ScaleFormStep(fit.NewScale, 1.0, fit.NewSize, {1000, 600});
    ASSERT_TRUE(back.Changes);
    EXPECT_EQ(back.NewSize.Width, 1200);
    EXPECT_EQ(back.NewSize.Height, 300);
}

TEST(FormScale, LengthsRoundHalvesToEven) {
    EXPECT_EQ(ScaleLength(5, 0.5), 2);
    EXPECT_EQ(ScaleLength(7, 0.5), 4);
    EXPECT_EQ(ScaleLength(10, 1.25), 12);
}

TEST(AxisFormat, FixedDecimalsOrFloatingWithoutTrailingZeros) {
    const NumberLocale locale;
    EXPECT_EQ(FormatAxisValue(locale, 0, 1234.6), "1,235");
    EXPECT_EQ(FormatAxisValue(locale, 2, 0.5), "0.50");
    EXPECT_EQ(FormatAxisValue(locale, FloatingAxisDecimals, 1234.5), "1,234.5");
    EXPECT_EQ(FormatAxisValue(locale, FloatingAxisDecimals, 2.0), "2");
    EXPECT_EQ(FormatAxisValue(locale, FloatingAxisDecimals, 0.000000001), "0.000000001");
    // Tick values that carry rounding noise around zero print as 0, never as -0.
    EXPECT_EQ(FormatAxisValue(locale, FloatingAxisDecimals, -1e-17), "0");
    EXPECT_EQ(FormatAxisValue(locale, 3, -1e-17), "0.000");
    NumberLocale comma;
    comma.decimalSeparator = ",";
    comma.thousandSeparator = ".";
    EXPECT_EQ(FormatAxisValue(comma, FloatingAxisDecimals, 1234.25), "1.234,25");
    EXPECT_EQ(AxisDecimalsCaption(FloatingAxisDecimals), "Floating");
    EXPECT_EQ(AxisDecimalsCaption(3), "3");
}

}  // namespace
}  // namespace vostrel
