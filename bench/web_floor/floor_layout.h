// SPDX-License-Identifier: GPL-3.0-or-later
// The floor page's window: the kinds, texts, places and sizes of the main window's widgets, as
// the browser build shows them, for plain Qt widgets to stand in (a benchmark's data).
#pragma once

namespace floor_layout {

enum Kind { GroupBox, RadioButton, CheckBox, Label, LineEdit, PushButton };

struct Widget {
    Kind kind;
    const char *text;
    int x, y, width, height;
    int parent;  // the row of the group box it stands in, or -1 for the window
};

inline constexpr int kWidth = 593;
inline constexpr int kHeight = 481;

inline constexpr Widget kWidgets[] = {
    {GroupBox, "問題の形式", 16, 16, 97, 145, -1},
    {RadioButton, "1文字表記", 8, 16, 87, 17, 0},
    {RadioButton, "3文字表記", 8, 49, 87, 17, 0},
    {RadioButton, "名称", 8, 83, 87, 17, 0},
    {RadioButton, "画像", 8, 116, 87, 17, 0},
    {GroupBox, "解答の形式", 16, 176, 97, 113, -1},
    {RadioButton, "1文字表記", 8, 16, 87, 17, 5},
    {RadioButton, "3文字表記", 8, 49, 87, 17, 5},
    {RadioButton, "名称", 8, 83, 87, 17, 5},
    {CheckBox, "タイマー使用", 16, 304, 97, 17, -1},
    {Label, "タイムリミット", 16, 328, 65, 17, -1},
    {LineEdit, "", 16, 344, 73, 17, -1},
    {Label, "秒", 96, 344, 25, 17, -1},
    {CheckBox, "解答の確定を省略", 16, 368, 97, 33, -1},
    {CheckBox, "正解を表示", 16, 408, 81, 25, -1},
    {PushButton, "初期化(&I)", 16, 440, 97, 33, -1},
    {Label, "問題", 136, 16, 65, 17, -1},
    {Label, "", 128, 40, 97, 25, -1},
    {PushButton, "出題(&Q)", 288, 8, 121, 73, -1},
    {PushButton, "出題の開始(&S)", 416, 8, 89, 33, -1},
    {PushButton, "出題の終了(&E)", 416, 48, 89, 33, -1},
    {GroupBox, "解答", 128, 176, 449, 257, -1},
    {RadioButton, "アスパラギン", 13, 16, 107, 20, 21},
    {RadioButton, "アスパラギンX", 120, 16, 107, 20, 21},
    {RadioButton, "アスパラギン酸", 227, 16, 107, 20, 21},
    {RadioButton, "アラニン", 333, 16, 107, 20, 21},
    {RadioButton, "アルギニン", 13, 56, 107, 20, 21},
    {RadioButton, "イソロイシン", 120, 56, 107, 20, 21},
    {RadioButton, "グリシン", 227, 56, 107, 20, 21},
    {RadioButton, "グルタミン", 333, 56, 107, 20, 21},
    {RadioButton, "グルタミンX", 13, 96, 107, 20, 21},
    {RadioButton, "グルタミン酸", 120, 96, 107, 20, 21},
    {RadioButton, "システイン", 227, 96, 107, 20, 21},
    {RadioButton, "スレオニン", 333, 96, 107, 20, 21},
    {RadioButton, "セリン", 13, 136, 107, 20, 21},
    {RadioButton, "チロシン", 120, 136, 107, 20, 21},
    {RadioButton, "トリプトファン", 227, 136, 107, 20, 21},
    {RadioButton, "バリン", 333, 136, 107, 20, 21},
    {RadioButton, "ヒスチジン", 13, 176, 107, 20, 21},
    {RadioButton, "フェニルアラニン", 120, 176, 107, 20, 21},
    {RadioButton, "プロリン", 227, 176, 107, 20, 21},
    {RadioButton, "メチオニン", 333, 176, 107, 20, 21},
    {RadioButton, "リシン", 13, 216, 107, 20, 21},
    {RadioButton, "ロイシン", 120, 216, 107, 20, 21},
    {PushButton, "解答の確定(&A)", 128, 440, 345, 33, -1},
    {Label, "(正解)", 288, 120, 41, 17, -1},
    {Label, "", 288, 136, 113, 25, -1},
    {GroupBox, "正答率", 416, 88, 161, 81, -1},
    {Label, "0", 8, 24, 41, 17, 47},
    {Label, "/", 56, 24, 9, 17, 47},
    {Label, "0", 72, 24, 49, 17, 47},
    {Label, "=", 32, 48, 17, 17, 47},
    {Label, "0.0", 40, 48, 49, 17, 47},
    {Label, "%", 96, 48, 25, 17, 47},
    {PushButton, "終了(&X)", 480, 440, 97, 33, -1},
    {PushButton, "一覧表(&T)", 512, 8, 65, 73, -1},
};

}  // namespace floor_layout
