#include <gtest/gtest.h>

#include "app/registry_commands.h"
#include "app/viewer_registry.h"
#include "platform/message_box_recorder.h"
#include "res/ids.h"

namespace {

// Stand-ins for open windows: the registry only keeps and compares pointers.
int windowTokens[MAX_VIEWERS + 1];
CGazoView* FakeViewer(int i) { return reinterpret_cast<CGazoView*>(&windowTokens[i]); }
CEditData* FakeEditWindow() { return reinterpret_cast<CEditData*>(&windowTokens[MAX_VIEWERS]); }

void Occupy(ViewerRegistry& registry, int slot) {
    registry.PrepareSlotImage(slot);
    registry.viewers[slot] = FakeViewer(slot);
}

}  // namespace

TEST(ViewerRegistry, FreeSlotIsTheLowestWithoutAViewer) {
    platform::MessageBoxRecorder boxes;
    ViewerRegistry registry;
    Occupy(registry, 0);
    Occupy(registry, 2);
    // An image left from a failed open does not make the slot taken.
    registry.PrepareSlotImage(1);
    EXPECT_EQ(registry.FindFreeSlot(nullptr), 1);
    EXPECT_TRUE(boxes.calls.empty());
}

TEST(ViewerRegistry, AllSlotsTakenTellsTheMessageUntilOneIsReleased) {
    platform::MessageBoxRecorder boxes;
    ViewerRegistry registry;
    for (int i = 0; i < MAX_VIEWERS; ++i) Occupy(registry, i);

    Notice full;
    EXPECT_EQ(registry.FindFreeSlot(&full), -1);
    EXPECT_EQ(full.text, "画像Viewer がいっぱいです。\n一部をクローズして再トライください。");
    EXPECT_EQ(full.title, "確認");
    EXPECT_EQ(full.style, unsigned(platform::MB_OK));

    ASSERT_TRUE(registry.ReleaseSlot(13));
    Notice none;
    EXPECT_EQ(registry.FindFreeSlot(&none), 13);
    EXPECT_TRUE(none.empty());
    EXPECT_TRUE(boxes.calls.empty());
}

TEST(ViewerRegistry, OpeningAndClosingTwentyInTurnNeverFillsTheRegistry) {
    platform::MessageBoxRecorder boxes;
    ViewerRegistry registry;
    for (int i = 0; i < 2 * MAX_VIEWERS; ++i) {
        int slot = registry.FindFreeSlot(nullptr);
        ASSERT_EQ(slot, 0);
        Occupy(registry, slot);
        ASSERT_TRUE(HandleRegistryCommand(registry, ID_VIEWER_CLOSED, slot).repaint);
    }
    EXPECT_TRUE(boxes.calls.empty());
}

TEST(ViewerRegistry, PrepareSlotImageReplacesTheOldImageWithAFreshOne) {
    ViewerRegistry registry;
    CViewImage* first = registry.PrepareSlotImage(4);
    ASSERT_NE(first, nullptr);
    first->displayScale = 2.5;
    first->image.SetKind(IMG_BMP);

    CViewImage* second = registry.PrepareSlotImage(4);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(registry.viewImages[4].get(), second);
    EXPECT_EQ(second->displayScale, 1.0);
    EXPECT_EQ(second->image.width(), 0);
    EXPECT_FALSE(second->image.HasPicture());

    EXPECT_EQ(registry.PrepareSlotImage(-1), nullptr);
    EXPECT_EQ(registry.PrepareSlotImage(MAX_VIEWERS), nullptr);
}

TEST(ViewerRegistry, ReleaseSlotEmptiesItAndUnpairsTheEditWindow) {
    ViewerRegistry registry;
    Occupy(registry, 3);
    Occupy(registry, 5);
    registry.editWindow = FakeEditWindow();
    registry.editViewerSlot = 3;

    ASSERT_TRUE(registry.ReleaseSlot(3));
    EXPECT_EQ(registry.viewers[3], nullptr);
    EXPECT_EQ(registry.viewImages[3], nullptr);
    EXPECT_EQ(registry.editViewerSlot, -1);
    EXPECT_EQ(registry.viewers[5], FakeViewer(5));
    EXPECT_NE(registry.viewImages[5], nullptr);

    // Slot numbers come with commands from other windows: never trusted.
    EXPECT_FALSE(registry.ReleaseSlot(-1));
    EXPECT_FALSE(registry.ReleaseSlot(MAX_VIEWERS));
    EXPECT_FALSE(registry.ReleaseSlot(std::intptr_t(1) << 40));
    EXPECT_EQ(registry.viewers[5], FakeViewer(5));
}

TEST(RegistryCommands, ViewerClosedReleasesItsSlotAndAsksForARepaint) {
    ViewerRegistry registry;
    Occupy(registry, 7);
    RegistryCommandOutcome outcome = HandleRegistryCommand(registry, ID_VIEWER_CLOSED, 7);
    EXPECT_TRUE(outcome.handled);
    EXPECT_TRUE(outcome.repaint);
    EXPECT_FALSE(outcome.showMainDialog);
    EXPECT_EQ(outcome.viewerToDestroy, nullptr);
    EXPECT_EQ(registry.viewers[7], nullptr);

    outcome = HandleRegistryCommand(registry, ID_VIEWER_CLOSED, 99);
    EXPECT_TRUE(outcome.handled);
    EXPECT_FALSE(outcome.repaint);
}

TEST(RegistryCommands, CloseRequestReleasesTheSlotAndHandsBackTheViewerToDestroy) {
    ViewerRegistry registry;
    Occupy(registry, 2);
    RegistryCommandOutcome outcome = HandleRegistryCommand(registry, ID_VIEWER_CLOSE_REQUEST, 2);
    EXPECT_TRUE(outcome.handled);
    EXPECT_EQ(outcome.viewerToDestroy, FakeViewer(2));
    EXPECT_TRUE(outcome.repaint);
    EXPECT_EQ(registry.viewers[2], nullptr);
    EXPECT_EQ(registry.viewImages[2], nullptr);

    // A free slot or an impossible one has no viewer to close.
    outcome = HandleRegistryCommand(registry, ID_VIEWER_CLOSE_REQUEST, 2);
    EXPECT_EQ(outcome.viewerToDestroy, nullptr);
    outcome = HandleRegistryCommand(registry, ID_VIEWER_CLOSE_REQUEST, -4);
    EXPECT_EQ(outcome.viewerToDestroy, nullptr);
}

TEST(RegistryCommands, EditWindowClosedForgetsItAndShowsTheMainDialog) {
    ViewerRegistry registry;
    registry.editWindow = FakeEditWindow();
    registry.editViewerSlot = 0;
    RegistryCommandOutcome outcome = HandleRegistryCommand(registry, ID_EDITWND_CLOSED, 0);
    EXPECT_TRUE(outcome.handled);
    EXPECT_TRUE(outcome.showMainDialog);
    EXPECT_EQ(registry.editWindow, nullptr);
    EXPECT_EQ(registry.editViewerSlot, -1);
}

TEST(RegistryCommands, OtherCommandsAreLeftToTheFramework) {
    ViewerRegistry registry;
    Occupy(registry, 0);
    for (int id : {ID_FRAMEWORK_OK, ID_SAMPLING_START_REQUEST, ID_SETTINGS_RESET, IDC_CLOSE}) {
        RegistryCommandOutcome outcome = HandleRegistryCommand(registry, id, 0);
        EXPECT_FALSE(outcome.handled) << id;
    }
    EXPECT_EQ(registry.viewers[0], FakeViewer(0));
}
