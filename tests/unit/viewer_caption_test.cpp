#include "viewer/viewer_caption.h"

#include <gtest/gtest.h>

#include "data/work_state.h"
#include "image/image_kind.h"
#include "platform/text_codec.h"
#include "viewer/display_scale.h"

namespace {

ViewerCaptionState ImageState(double scale) {
    ViewerCaptionState state;
    state.dataView = true;
    state.workState = WS_IDLE;
    state.slotIndex = 3;
    state.fileName = "犬.jpg";
    state.width = 640;
    state.height = 480;
    state.scale = scale;
    return state;
}

TEST(ViewerCaption, ImageCaptionShowsTheTruncatedPercentage) {
    EXPECT_EQ(ViewerCaption(ImageState(1.0)), "画像View Sr=3 DF=犬.jpg BxH=640x480 ﾄﾞｯﾄ 100 % ");
    EXPECT_EQ(ViewerCaption(ImageState(ScaleOfPercent(201))),
              "画像View Sr=3 DF=犬.jpg BxH=640x480 ﾄﾞｯﾄ 200 % ");
    EXPECT_EQ(ViewerCaption(ImageState(0.29)), "画像View Sr=3 DF=犬.jpg BxH=640x480 ﾄﾞｯﾄ 28 % ");
    EXPECT_EQ(ViewerCaption(ImageState(1.5)), "画像View Sr=3 DF=犬.jpg BxH=640x480 ﾄﾞｯﾄ 150 % ");
}

TEST(ViewerCaption, FirstRuleThatAppliesWins) {
    ViewerCaptionState state = ImageState(1.0);
    state.workState = WS_SAMPLING;
    EXPECT_EQ(ViewerCaption(state), "サンプリングモード。左ボタンでクリックし、右回りで定義のこと。");
    state.dataView = false;  // a viewer not yet paired shows the image caption
    EXPECT_EQ(ViewerCaption(state).rfind("画像View Sr=3 ", 0), 0u);
    state.correcting = true;  // correction comes before everything
    EXPECT_EQ(ViewerCaption(state), "修正サンプリングデータ指定待ち中です。");
    state.selectedRow = 4;
    EXPECT_EQ(ViewerCaption(state),
              "5 番目のデータ修正中です。Ctrl+矢印で移動。完了メニューにて解除。");
}

TEST(ViewerCaption, EachWorkStateHasItsText) {
    ViewerCaptionState state = ImageState(1.0);
    const std::pair<int, const char*> cases[] = {
        {WS_CALCULATED, "結果表示中。"},
        {WS_MODIFIED, "データ修正完了。計算指示待ち中。"},
        {WS_VIEWER_SEARCH, "修正データサーチ中。"},
        {WS_VIEWER_EDIT, "データ修正中。Ctrl+矢印キーで修正。完了メニュークリックのこと。"},
        {42, "指示待ち中。"},
    };
    for (const auto& [workState, caption] : cases) {
        state.workState = workState;
        EXPECT_EQ(ViewerCaption(state), caption) << workState;
    }
}

TEST(ViewerCaption, LongFileNameIsCutToTheCaptionBufferBetweenCharacters) {
    ViewerCaptionState state = ImageState(1.0);
    state.fileName = std::string(200, 'a') + std::string(30, 'x') + "画像画像画像.jpg";
    const std::string caption = ViewerCaption(state);
    EXPECT_EQ(platform::Cp932Length(caption), 255u);
    EXPECT_TRUE(platform::IsValidUtf8(caption));
    EXPECT_EQ(caption.rfind("画像View Sr=3 DF=aaa", 0), 0u);
}

TEST(ImageProperties, TextHasNameKindAndSizeLines) {
    EXPECT_EQ(ImagePropertiesText("photo.JPG", IMG_JPEG, 1024, 768),
              "DF名   photo.JPG\n画像ﾀｲﾌﾟ  JPEG\n画像ｻｲｽﾞ  幅 1024 x 高さ 768 ドット\n");
    EXPECT_EQ(ImagePropertiesText("カット画像", IMG_CUT, 3, 2),
              "DF名   カット画像\n画像ﾀｲﾌﾟ  カットor変換画像\n画像ｻｲｽﾞ  幅 3 x 高さ 2 ドット\n");
    EXPECT_EQ(ImagePropertiesText("x.gif", 77, 1, 1),
              "DF名   x.gif\n画像ﾀｲﾌﾟ  不明\n画像ｻｲｽﾞ  幅 1 x 高さ 1 ドット\n");
}

TEST(DisplayScale, PercentTruncatesTowardZero) {
    EXPECT_EQ(ScalePercent(2.01), 200);
    EXPECT_EQ(ScalePercent(0.29), 28);
    EXPECT_EQ(ScalePercent(ScaleOfPercent(150)), 150);
    EXPECT_EQ(ScalePercent(ScaleOfPercent(201)), 200);
    EXPECT_EQ(ScalePercent(ScaleOfPercent(7)), 7);
}

TEST(FitCp932Bytes, CutsBetweenCharactersByCp932Length) {
    EXPECT_EQ(platform::FitCp932Bytes("abc", 5), "abc");
    EXPECT_EQ(platform::FitCp932Bytes("ab画像", 3), "ab");   // 画 takes two bytes
    EXPECT_EQ(platform::FitCp932Bytes("ab画像", 4), "ab画");
    EXPECT_EQ(platform::FitCp932Bytes("ｶﾞ", 1), "ｶ");       // half-width kana: one byte
    EXPECT_EQ(platform::FitCp932Bytes("", 0), "");
}

}  // namespace
