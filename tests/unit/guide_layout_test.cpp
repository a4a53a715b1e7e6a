#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/label_text_layout.h"
#include "dialogs/guide_content.h"
#include "dialogs/guide_layout.h"
#include "dialogs/hidden_caption.h"
#include "platform/text_codec.h"
#include "res/ids.h"

namespace {

GuideMetrics Metrics() {
    GuideMetrics m;
    m.clientWidth = 400;
    m.margin = 10;
    m.gap = 6;
    m.indent = 12;
    m.captionHeight = 18;
    m.labelWidth = 36;
    m.buttonWidth = 75;
    m.buttonHeight = 21;
    return m;
}

using K = GuideItemKind;

}  // namespace

TEST(GuideLayout, TextWidthsLeaveRoomForIndentAndLabel) {
    const GuideMetrics m = Metrics();
    EXPECT_EQ(GuideTextWidth(K::Caption, m), 380);
    EXPECT_EQ(GuideTextWidth(K::Text, m), 368);
    EXPECT_EQ(GuideTextWidth(K::LabelledText, m), 368 - 36 - 6);
    GuideMetrics narrow = m;
    narrow.clientWidth = 40;  // nothing left: never a negative width
    EXPECT_EQ(GuideTextWidth(K::LabelledText, narrow), 0);
}

TEST(GuideLayout, RowsStackWithAGapAndSectionsStandApart) {
    const std::vector<K> kinds = {K::Caption, K::Text, K::LabelledText, K::Caption, K::Text};
    const std::vector<int> heights = {999, 30, 45, 999, 15};
    const GuidePlaces places = LayOutGuide(kinds, heights, Metrics());
    ASSERT_EQ(places.rows.size(), 5u);
    // The first caption at the margin, its height its own, not the text's.
    EXPECT_EQ(places.rows[0].box, (GuideRect{10, 10, 380, 18}));
    EXPECT_EQ(places.rows[1].box, (GuideRect{22, 34, 368, 30}));
    EXPECT_EQ(places.rows[2].label, (GuideRect{22, 70, 36, 45}));
    EXPECT_EQ(places.rows[2].box, (GuideRect{64, 70, 326, 45}));
    // A later caption takes an extra gap before it.
    EXPECT_EQ(places.rows[3].box, (GuideRect{10, 127, 380, 18}));
    EXPECT_EQ(places.rows[4].box, (GuideRect{22, 151, 368, 15}));
    EXPECT_EQ(places.rows[4].label, GuideRect{});
    // The button centred one more gap below the last row.
    EXPECT_EQ(places.button, (GuideRect{162, 178, 75, 21}));
    EXPECT_EQ(places.clientHeight, 178 + 21 + 10);
}

TEST(GuideLayout, MismatchedOrNegativeHeightsStayInBounds) {
    const std::vector<K> kinds = {K::Caption, K::Text, K::Text};
    const std::vector<int> heights = {0, -5};
    const GuidePlaces places = LayOutGuide(kinds, heights, Metrics());
    ASSERT_EQ(places.rows.size(), 2u);
    EXPECT_EQ(places.rows[1].box.height, 0);
    const GuidePlaces empty = LayOutGuide({}, {}, Metrics());
    EXPECT_TRUE(empty.rows.empty());
    EXPECT_EQ(empty.button.y, 16);
}

TEST(GuideLayout, BesideTheParentOnePixelRightOfItsRightEdgeLevelWithItsTop) {
    EXPECT_EQ(PlaceRightOf({100, 50, 300, 200}), (GuidePoint{401, 50}));
    EXPECT_EQ(PlaceRightOf({-20, -5, 10, 10}), (GuidePoint{-9, -5}));
}

TEST(GuideContent, EachGuideCommandHasItsTemplateTitleAndButton) {
    struct Expect {
        int command, templateId;
        const char* title;
        const char* button;
        bool beside, hidden, repaint;
    };
    const Expect expected[] = {
        {ID_PROC_GUIDE, IDD_PROC_GUIDE, "手順ガイド", "クローズ", true, false, false},
        {ID_EDIT_GUIDE, IDD_EDIT_GUIDE, "データ編集ガイド", "クローズ", true, false, false},
        {ID_DATA_EXPLAIN, IDD_DATA_EXPLAIN, "データ説明", "OK", true, false, false},
        {ID_CUT_GUIDE, IDD_CUT_GUIDE, "作画画像切出しガイダンス", "クローズ", false, false, true},
        {ID_HOWTO_GUIDE, IDD_HOWTO, "本ソフトの機能と使用ガイダンス", "クローズ", false, true, false},
        {IDC_ZONE_GUIDE, IDD_ZONE_GUIDE, "モニタゾーン設定ガイド", "クローズ", false, false, false},
    };
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.command);
        const GuideContent* content = GuideContentFor(e.command);
        ASSERT_NE(content, nullptr);
        EXPECT_EQ(content->templateId, e.templateId);
        EXPECT_STREQ(content->title, e.title);
        EXPECT_STREQ(content->button, e.button);
        EXPECT_EQ(content->besideOwner, e.beside);
        EXPECT_EQ(content->hiddenCaptions, e.hidden);
        EXPECT_EQ(content->repaintOwner, e.repaint);
        ASSERT_FALSE(content->items.empty());
        EXPECT_EQ(content->items.front().kind, K::Caption);  // every guide opens with a caption
    }
    for (int other : {0, ID_FRAMEWORK_OK, ID_SAMPLING_STOP_REQUEST, IDD_PROC_GUIDE, 9999})
        EXPECT_EQ(GuideContentFor(other), nullptr) << other;
}

TEST(GuideContent, CaptionsInOrderWithTheirFills) {
    auto captions = [](int command) {
        std::vector<std::pair<int, QRgb>> found;
        for (const GuideItem& item : GuideContentFor(command)->items)
            if (item.kind == K::Caption) found.emplace_back(item.id, item.fill);
        return found;
    };
    const QRgb dark = qRgb(0, 48, 48), cut = qRgb(0, 64, 64);
    using Row = std::vector<std::pair<int, QRgb>>;
    EXPECT_EQ(captions(ID_PROC_GUIDE), (Row{{218, dark}, {219, dark}, {220, dark}, {221, dark}}));
    EXPECT_EQ(captions(ID_EDIT_GUIDE), (Row{{184, dark}, {185, dark}}));
    EXPECT_EQ(captions(ID_DATA_EXPLAIN), (Row{{181, dark}, {182, dark}, {183, dark}}));
    EXPECT_EQ(captions(ID_CUT_GUIDE), (Row{{199, cut}, {200, cut}, {201, cut}, {202, cut}}));
    EXPECT_EQ(captions(ID_HOWTO_GUIDE), (Row{{214, cut}, {215, cut}}));
    const Row zone = captions(IDC_ZONE_GUIDE);
    ASSERT_EQ(zone.size(), 4u);
    EXPECT_EQ(zone[0].second, qRgb(80, 80, 80));
    EXPECT_EQ(zone[3].second, dark);
}

TEST(GuideContent, EveryCaptionFitsItsBoxUncut) {
    for (int command : {ID_PROC_GUIDE, ID_EDIT_GUIDE, ID_DATA_EXPLAIN, ID_CUT_GUIDE, ID_HOWTO_GUIDE,
                        IDC_ZONE_GUIDE}) {
        const GuideContent* content = GuideContentFor(command);
        const std::size_t limit = content->hiddenCaptions ? kHiddenCaptionMaxBytes : kLabelTextMaxBytes;
        for (const GuideItem& item : content->items) {
            ASSERT_NE(item.text, nullptr);
            if (item.kind == K::Caption) {
                EXPECT_LE(platform::Cp932Length(item.text), limit) << item.text;
            }
            if (item.kind == K::LabelledText) {
                EXPECT_NE(item.label, nullptr);
            }
        }
    }
}
