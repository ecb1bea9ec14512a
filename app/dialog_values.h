#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tiebreak {

// Number of method rows of the advanced dialog.
inline constexpr int MethodRowCount = 4;

// A list box without a selected item.
inline constexpr int NoSelection = -1;

// Items of the method lists ("<delete>" only in rows 2 to 4) and of the modification lists.
// After "<delete>" come FIDE's tie-breaks, ItemFirstFide + code - FidePts for each FideCode, in
// the order of their codes; row 1's list, without "<delete>", shows them one place earlier.
inline constexpr int ItemRecursivePerformance = 0;
inline constexpr int ItemRecursiveBucholz = 1;
inline constexpr int ItemDelete = 2;
inline constexpr int ItemFirstFide = 3;
inline constexpr int FideItemCount = 22;  // PTS .. DE
inline constexpr int ItemLastFide = ItemFirstFide + FideItemCount - 1;
inline constexpr int ItemNoModification = 0;
inline constexpr int ItemRivalsAverage = 1;

// The radio buttons of the simple dialog, in their order.
inline constexpr int SortingRecursivePerformance = 0;
inline constexpr int SortingRivalsWithoutWorst = 1;
inline constexpr int SortingNone = 2;

// Longest Elo text and longest count text the dialogs accept.
inline constexpr int EloTextLength = 4;
inline constexpr int CountTextLength = 1;

// What an empty input file field of the advanced dialog becomes on OK.
inline constexpr std::string_view NoInputFile = "<none>";

// What the simple options dialog edits, with the dialog's defaults.
struct SimpleDialogValues {
    int sortingIndex = SortingRecursivePerformance;
    std::string eloText = "1400";
    bool operator==(const SimpleDialogValues&) const = default;
};

// What the advanced options dialog edits, with the dialog's defaults. Row 1 always has a method;
// a row of rows 2 to 4 has a modification exactly when it has a method.
struct AdvancedDialogValues {
    std::string inputFile;
    std::array<int, MethodRowCount> methodIndex{ItemRecursivePerformance, NoSelection, NoSelection,
                                                NoSelection};
    std::array<int, MethodRowCount> modificationIndex{ItemNoModification, NoSelection, NoSelection,
                                                      NoSelection};
    std::array<std::string, MethodRowCount> worstText{"0", "0", "0", "0"};
    std::array<std::string, MethodRowCount> bestText{"0", "0", "0", "0"};
    bool sort = true;
    std::string eloText = "1400";
    bool headings = true;
    bool beep = false;
    bool webPage = false;  // "Web page with each player's breakdown"
    bool operator==(const AdvancedDialogValues&) const = default;
};

}  // namespace tiebreak
