// Compiled with -fexec-charset=CP932: every text here is what the dialog
// shows, Japanese and English side by side.
#include "resources/option_form.h"

#include "resources/texts.h"

namespace lume {

namespace {

using K = ControlKind;
using P = OptionPage;
using texts::Language;
using texts::Text;

// Picks a text's column: the language the description is built in.
struct Picker {
    Language language;
    std::string operator()(Text text) const { return text.in(language); }
};

// The active and the inactive page share one layout; only names differ.
void AddLookPage(std::vector<ControlRecord>& controls, Picker t, P page, const std::string& look,
                 const char* letters, const char* gradient, const char* buttons, const char* texture)
{
    auto add = [&](ControlRecord record) { controls.push_back(std::move(record)); };
    const std::string select = t({"選択", "Choose..."});
    add({"Grp" + look + "Surface", K::RadioGroup, page, "", 8, 8, 409, 41,
         t({"表面\nグラデーション\nテクスチャ\nWindows デフォルト", "Surface\nGradient\nTexture\nWindows default"})});
    add({letters, K::GroupBox, page, "", 8, 56, 257, 73, t({"文字色", "Text color"})});
    add({std::string(letters) + ".Body", K::Label, page, letters, 16, 21, 60, 13, t({"本体：", "Text:"})});
    add({std::string(letters) + ".Shadow", K::Label, page, letters, 136, 21, 60, 13, t({"影：", "Shadow:"})});
    add({"Pnl" + look + "Letter", K::Swatch, page, "", 24, 96, 25, 17, ""});
    add({"Btn" + look + "Letter", K::Button, page, "", 54, 96, 75, 17, select});
    add({"Pnl" + look + "Shadow", K::Swatch, page, "", 144, 96, 25, 17, ""});
    add({"Btn" + look + "Shadow", K::Button, page, "", 174, 96, 75, 17, select});
    add({gradient, K::GroupBox, page, "", 8, 136, 257, 73, t({"グラデーション", "Gradient"})});
    add({std::string(gradient) + ".Left", K::Label, page, gradient, 16, 21, 60, 13, t({"左：", "Left:"})});
    add({std::string(gradient) + ".Right", K::Label, page, gradient, 136, 21, 60, 13, t({"右：", "Right:"})});
    add({"Pnl" + look + "Left", K::Swatch, page, gradient, 16, 40, 25, 17, ""});
    add({"Btn" + look + "Left", K::Button, page, gradient, 46, 40, 75, 17, select});
    add({"Pnl" + look + "Right", K::Swatch, page, gradient, 136, 40, 25, 17, ""});
    add({"Btn" + look + "Right", K::Button, page, gradient, 166, 40, 75, 17, select});
    add({buttons, K::GroupBox, page, "", 272, 56, 137, 73, t({"ボタン", "Buttons"}), false});
    add({std::string(buttons) + ".LED", K::Label, page, buttons, 16, 21, 60, 13, t({"LED：", "LED:"}), false});
    add({"Pnl" + look + "LED", K::Swatch, page, buttons, 16, 40, 25, 17, ""});
    add({"Btn" + look + "LED", K::Button, page, buttons, 46, 40, 75, 17, select, false});
    add({texture, K::GroupBox, page, "", 8, 216, 409, 73, t({"テクスチャ", "Texture"})});
    add({std::string(texture) + ".File", K::Label, page, texture, 16, 21, 100, 13, t({"ファイル名：", "File name:"})});
    add({"Edt" + look + "Texture", K::Edit, page, texture, 16, 37, 297, 20, ""});
    add({"Btn" + look + "Texture", K::Button, page, texture, 318, 40, 75, 17, select});
}

void AddFontGroup(std::vector<ControlRecord>& controls, Picker t, const std::string& group,
                  const std::string& kind, const char* button, const char* xLabel, const char* yLabel)
{
    auto add = [&](ControlRecord record) { controls.push_back(std::move(record)); };
    add({"LblFontName" + kind, K::Label, P::Common, group, 16, 24, 169, 13, t({"フォント名：", "Font:"})});
    add({"LblFontSize" + kind, K::Label, P::Common, group, 16, 40, 169, 13, t({"サイズ：", "Size:"})});
    add({"LblFontStyle" + kind, K::Label, P::Common, group, 16, 56, 169, 13, t({"スタイル：", "Style:"})});
    add({button, K::Button, P::Common, group, 112, 72, 75, 17, t({"選択", "Choose..."})});
    add({xLabel, K::Label, P::Common, group, 16, 101, 100, 13, t({"横位置補正：", "X offset:"})});
    add({"SpinEdtXShift" + kind, K::SpinEdit, P::Common, group, 16, 116, 121, 21, ""});
    add({yLabel, K::Label, P::Common, group, 16, 146, 100, 13, t({"縦位置補正：", "Y offset:"})});
    add({"SpinEdtYShift" + kind, K::SpinEdit, P::Common, group, 16, 161, 121, 21, ""});
}

// What is done where the window manager draws the frames: three choices, each
// with a line under it saying what it does, and "Start with Windows".
void AddCompositionPage(std::vector<ControlRecord>& controls, Picker t)
{
    auto add = [&](ControlRecord record) { controls.push_back(std::move(record)); };
    const P page = P::Composition;
    const std::string group = "GrpComposed";
    add({group, K::GroupBox, page, "", 8, 8, 409, 200,
         t({"ウィンドウマネージャーが描くフレーム (Windows Vista 以降)",
            "Frames drawn by the window manager (Windows Vista and later)"})});
    // The three items first and side by side in the window order, so that the
    // arrow keys move between them and nowhere else.
    add({group + ".0", K::RadioButton, page, group, 16, 20, 377, 17, t({"色を付ける (既定)", "Tint (default)"})});
    add({group + ".1", K::RadioButton, page, group, 16, 74, 377, 17, t({"クラシック", "Classic"})});
    add({group + ".2", K::RadioButton, page, group, 16, 143, 377, 17, t({"何もしない", "Leave"})});
    add({"LblComposedTint", K::Label, page, group, 34, 39, 359, 30,
         t({"合成されたフレームは形をそのままに、設定した色になります (Windows 11)。",
            "Composed frames keep their look and take the look's colours (Windows 11)."})});
    add({"LblComposedClassic", K::Label, page, group, 34, 93, 359, 45,
         t({"LumeLume が描くウィンドウではフレームの合成をやめ、ほかと同じように描きます"
            " (合成されたフレームの影と、Windows 11 では角の丸みがなくなります)。",
            "Composed frames are turned off for the windows LumeLume paints, and painted as everywhere "
            "(they lose the composed shadow and, on Windows 11, their rounded corners)."})});
    add({"LblComposedLeave", K::Label, page, group, 34, 162, 359, 30,
         t({"ウィンドウマネージャーには何も指示しません。合成されたフレームはシステムが描いたままです。",
            "No call to the window manager: composed frames stay as the system draws them."})});
    add({"LblComposedOlderWindows", K::Label, page, "", 8, 216, 409, 30,
         t({"Windows 8 と 10 で違いが出るのはクラシックだけです。色が付くのは Windows 11 だけです。",
            "On Windows 8 and 10 only Classic shows anything: the colours are Windows 11's."})});
    add({"ChkBoxStartWithWindows", K::CheckBox, page, "", 8, 256, 409, 17,
         t({"Windows の起動時に実行する", "Start with Windows"})});
}

OptionFormDescription Describe(Language language)
{
    const Picker t{language};
    OptionFormDescription form;
    form.title = "FrmMain";
    form.clientWidth = 448;
    form.clientHeight = 376;
    form.fontFace = t({"ＭＳ Ｐ明朝", "MS Shell Dlg 2"});
    form.memoFace = t({"ＭＳ 明朝", "MS Shell Dlg 2"});
    form.pageTitles = {t({"アクティブ", "Active"}), t({"非アクティブ", "Inactive"}), t({"ア・非共通", "Common"}),
                       t({"その他", "Other"}), t({"除外", "Exclude"}), t({"合成", "Composition"})};
    auto& c = form.controls;
    c.push_back({"PageControl1", K::PageControl, P::Frame, "", 8, 8, 433, 329, ""});
    AddLookPage(c, t, P::Active, "Act", "GroupBox1", "GroupBox2", "GroupBox3", "GroupBox4");
    AddLookPage(c, t, P::Inactive, "Inact", "GroupBox6", "GroupBox7", "GroupBox8", "GroupBox9");
    c.push_back({"GroupBox10", K::GroupBox, P::Common, "", 8, 8, 201, 201, t({"通常ウィンドウ", "Normal windows"})});
    AddFontGroup(c, t, "GroupBox10", "Normal", "BtnFontNormal", "LblX", "LblY");
    c.push_back({"GroupBox11", K::GroupBox, P::Common, "", 216, 8, 201, 201, t({"ツールウィンドウ", "Tool windows"})});
    AddFontGroup(c, t, "GroupBox11", "Tool", "Button1", "Label4", "Label6");
    c.push_back({"GroupBox5", K::GroupBox, P::Common, "", 8, 216, 129, 73, t({"影", "Shadow"})});
    c.push_back({"LblShadow", K::Label, P::Common, "GroupBox5", 16, 18, 60, 13, t({"長さ：", "Length:"})});
    c.push_back({"SpinEdtShadow", K::SpinEdit, P::Common, "GroupBox5", 16, 33, 97, 21, ""});
    c.push_back({"ChkBoxDrawNoBtns", K::CheckBox, P::Common, "", 152, 224, 265, 17,
                 t({"ボタンを描画しない", "Hide the caption buttons"})});
    c.push_back({"ChkBoxDrawNoClose", K::CheckBox, P::Common, "", 152, 248, 265, 17,
                 t({"「閉じる」ボタンすらも描画しない", "Hide even the Close button"})});
    c.push_back({"ChkBoxSBNoCust", K::CheckBox, P::Common, "", 152, 272, 265, 17,
                 t({"スクロールバーをカスタマイズしない", "Leave scroll bars as they are"}), true, false});
    c.push_back({"GroupBoxOther", K::GroupBox, P::Other, "", 8, 8, 409, 281, t({"ありません", "None"})});
    c.push_back({"MemoOther", K::Memo, P::Other, "GroupBoxOther", 16, 24, 377, 241,
                 t({"現在のところ、これ以外に設定できる項目はありません。\r\n\r\n"
                    "ほかにカスタマイズしたいところがあれば、ぜひお知らせください。",
                    "There is nothing else to set for now.\r\n\r\n"
                    "Tell us if you would like to change anything else."})});
    c.push_back({"LblExclude", K::Label, P::Exclude, "", 8, 8, 409, 13,
                 t({"タイトルバーを描画しないプログラム：", "Programs whose title bars are left alone:"})});
    c.push_back({"LstExclude", K::ListBox, P::Exclude, "", 8, 26, 409, 196, ""});
    c.push_back({"EdtExclude", K::Edit, P::Exclude, "", 8, 232, 233, 21, ""});
    c.push_back({"BtnExcludeAdd", K::Button, P::Exclude, "", 248, 232, 81, 21, t({"追加", "Add"})});
    c.push_back({"BtnExcludeDelete", K::Button, P::Exclude, "", 336, 232, 81, 21, t({"削除", "Remove"})});
    c.push_back({"BtnExcludeRunning", K::Button, P::Exclude, "", 8, 264, 161, 21,
                 t({"実行中から選択…", "Running programs..."})});
    AddCompositionPage(c, t);
    c.push_back({"OKBtn", K::Button, P::Frame, "", 288, 346, 73, 24, "OK"});
    c.push_back({"CancelBtn", K::Button, P::Frame, "", 368, 346, 73, 24, t({"CANCEL", "Cancel"})});
    return form;
}

} // namespace

const OptionFormDescription& OptionForm()
{
    static const OptionFormDescription forms[] = {Describe(Language::Japanese), Describe(Language::English)};
    return forms[static_cast<int>(texts::CurrentLanguage())];
}

} // namespace lume
