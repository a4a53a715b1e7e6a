#include <gtest/gtest.h>

#include "app/app_context.h"
#include "res/string_table.h"
#include "res/ids.h"

TEST(AppContext, EachScopeInstallsAFreshContextAndRestoresThePrevious) {
    ScopedAppContext outer;
    EXPECT_EQ(&App(), &outer.context());
    App().lastCsvDir = "/outer";
    App().registry.editViewerSlot = 4;
    {
        ScopedAppContext inner;
        EXPECT_EQ(&App(), &inner.context());
        EXPECT_EQ(App().lastCsvDir, "");
        EXPECT_EQ(App().registry.editViewerSlot, -1);
        EXPECT_EQ(App().settings.colourNumbers, DEFAULT_COLOUR_NUMBERS);
        EXPECT_EQ(App().lastScreenDepth, 0);
    }
    EXPECT_EQ(&App(), &outer.context());
    EXPECT_EQ(App().lastCsvDir, "/outer");
}

TEST(StringTable, CommandsShareTheirNumbersWithTheTextsThatNameThem) {
    EXPECT_EQ(StringTableText(IDS_ABOUTBOX), "バージョン情報 Veldrio(&A)...");
    EXPECT_EQ(StringTableText(ID_VIEWER_CLOSED), "画像Viewer クローズ通知");
    EXPECT_EQ(StringTableText(IDC_SAMPLING_STOP), "サンプリング停止ボタン");
    EXPECT_EQ(StringTableText(ID_KEY_PAGE_UP), "前頁\n前頁");
    EXPECT_EQ(StringTableText(IDC_COLOUR_WEAK_AXIS), "表示色No 中性軸・弱軸");
    EXPECT_EQ(StringTableText(0), "");
    EXPECT_EQ(StringTableText(IDC_COLOUR_TABLE_FRAME), "");
}
