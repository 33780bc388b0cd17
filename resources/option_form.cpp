// Compiled with -fexec-charset=CP932: every text here is what the dialog shows.
#include "resources/option_form.h"

namespace lume {

namespace {

using K = ControlKind;
using P = OptionPage;

// The active and the inactive page share one layout; only names differ.
void AddLookPage(std::vector<ControlRecord>& controls, P page, const std::string& look, const char* letters,
                 const char* gradient, const char* buttons, const char* texture)
{
    auto add = [&](ControlRecord record) { controls.push_back(std::move(record)); };
    const std::string select = "選択";
    add({"Grp" + look + "Surface", K::RadioGroup, page, "", 8, 8, 409, 41,
         "表面\nグラデーション\nテクスチャ\nWindows デフォルト"});
    add({letters, K::GroupBox, page, "", 8, 56, 257, 73, "文字色"});
    add({std::string(letters) + ".Body", K::Label, page, letters, 16, 21, 60, 13, "本体："});
    add({std::string(letters) + ".Shadow", K::Label, page, letters, 136, 21, 60, 13, "影："});
    add({"Pnl" + look + "Letter", K::Swatch, page, "", 24, 96, 25, 17, ""});
    add({"Btn" + look + "Letter", K::Button, page, "", 54, 96, 75, 17, select});
    add({"Pnl" + look + "Shadow", K::Swatch, page, "", 144, 96, 25, 17, ""});
    add({"Btn" + look + "Shadow", K::Button, page, "", 174, 96, 75, 17, select});
    add({gradient, K::GroupBox, page, "", 8, 136, 257, 73, "グラデーション"});
    add({std::string(gradient) + ".Left", K::Label, page, gradient, 16, 21, 60, 13, "左："});
    add({std::string(gradient) + ".Right", K::Label, page, gradient, 136, 21, 60, 13, "右："});
    add({"Pnl" + look + "Left", K::Swatch, page, gradient, 16, 40, 25, 17, ""});
    add({"Btn" + look + "Left", K::Button, page, gradient, 46, 40, 75, 17, select});
    add({"Pnl" + look + "Right", K::Swatch, page, gradient, 136, 40, 25, 17, ""});
    add({"Btn" + look + "Right", K::Button, page, gradient, 166, 40, 75, 17, select});
    add({buttons, K::GroupBox, page, "", 272, 56, 137, 73, "ボタン", false});
    add({std::string(buttons) + ".LED", K::Label, page, buttons, 16, 21, 60, 13, "LED：", false});
    add({"Pnl" + look + "LED", K::Swatch, page, buttons, 16, 40, 25, 17, ""});
    add({"Btn" + look + "LED", K::Button, page, buttons, 46, 40, 75, 17, select, false});
    add({texture, K::GroupBox, page, "", 8, 216, 409, 73, "テクスチャ"});
    add({std::string(texture) + ".File", K::Label, page, texture, 16, 21, 100, 13, "ファイル名："});
    add({"Edt" + look + "Texture", K::Edit, page, texture, 16, 37, 297, 20, ""});
    add({"Btn" + look + "Texture", K::Button, page, texture, 318, 40, 75, 17, select});
}

void AddFontGroup(std::vector<ControlRecord>& controls, const std::string& group, const std::string& kind,
                  const char* button, const char* xLabel, const char* yLabel)
{
    auto add = [&](ControlRecord record) { controls.push_back(std::move(record)); };
    add({"LblFontName" + kind, K::Label, P::Common, group, 16, 24, 169, 13, "フォント名："});
    add({"LblFontSize" + kind, K::Label, P::Common, group, 16, 40, 169, 13, "サイズ："});
    add({"LblFontStyle" + kind, K::Label, P::Common, group, 16, 56, 169, 13, "スタイル："});
    add({button, K::Button, P::Common, group, 112, 72, 75, 17, "選択"});
    add({xLabel, K::Label, P::Common, group, 16, 101, 100, 13, "横位置補正："});
    add({"SpinEdtXShift" + kind, K::SpinEdit, P::Common, group, 16, 116, 121, 21, ""});
    add({yLabel, K::Label, P::Common, group, 16, 146, 100, 13, "縦位置補正："});
    add({"SpinEdtYShift" + kind, K::SpinEdit, P::Common, group, 16, 161, 121, 21, ""});
}

OptionFormDescription Describe()
{
    OptionFormDescription form;
    form.title = "FrmMain";
    form.clientWidth = 448;
    form.clientHeight = 376;
    form.fontFace = "ＭＳ Ｐ明朝";
    form.memoFace = "ＭＳ 明朝";
    form.pageTitles = {"アクティブ", "非アクティブ", "ア・非共通", "その他", "除外"};
    auto& c = form.controls;
    c.push_back({"PageControl1", K::PageControl, P::Frame, "", 8, 8, 433, 329, ""});
    AddLookPage(c, P::Active, "Act", "GroupBox1", "GroupBox2", "GroupBox3", "GroupBox4");
    AddLookPage(c, P::Inactive, "Inact", "GroupBox6", "GroupBox7", "GroupBox8", "GroupBox9");
    c.push_back({"GroupBox10", K::GroupBox, P::Common, "", 8, 8, 201, 201, "通常ウィンドウ"});
    AddFontGroup(c, "GroupBox10", "Normal", "BtnFontNormal", "LblX", "LblY");
    c.push_back({"GroupBox11", K::GroupBox, P::Common, "", 216, 8, 201, 201, "ツールウィンドウ"});
    AddFontGroup(c, "GroupBox11", "Tool", "Button1", "Label4", "Label6");
    c.push_back({"GroupBox5", K::GroupBox, P::Common, "", 8, 216, 129, 73, "影"});
    c.push_back({"LblShadow", K::Label, P::Common, "GroupBox5", 16, 18, 60, 13, "長さ："});
    c.push_back({"SpinEdtShadow", K::SpinEdit, P::Common, "GroupBox5", 16, 33, 97, 21, ""});
    c.push_back({"ChkBoxDrawNoBtns", K::CheckBox, P::Common, "", 152, 224, 265, 17, "ボタンを描画しない"});
    c.push_back({"ChkBoxDrawNoClose", K::CheckBox, P::Common, "", 152, 248, 265, 17,
                 "「閉じる」ボタンすらも描画しない"});
    c.push_back({"ChkBoxSBNoCust", K::CheckBox, P::Common, "", 152, 272, 265, 17,
                 "スクロールバーをカスタマイズしない", true, false});
    c.push_back({"GroupBoxOther", K::GroupBox, P::Other, "", 8, 8, 409, 281, "ありません"});
    c.push_back({"MemoOther", K::Memo, P::Other, "GroupBoxOther", 16, 24, 377, 241,
                 "現在のところ、これ以外に設定できる項目はありません。\r\n\r\n"
                 "ほかにカスタマイズしたいところがあれば、ぜひお知らせください。"});
    c.push_back({"LblExclude", K::Label, P::Exclude, "", 8, 8, 409, 13, "タイトルバーを描画しないプログラム："});
    c.push_back({"LstExclude", K::ListBox, P::Exclude, "", 8, 26, 409, 196, ""});
    c.push_back({"EdtExclude", K::Edit, P::Exclude, "", 8, 232, 233, 21, ""});
    c.push_back({"BtnExcludeAdd", K::Button, P::Exclude, "", 248, 232, 81, 21, "追加"});
    c.push_back({"BtnExcludeDelete", K::Button, P::Exclude, "", 336, 232, 81, 21, "削除"});
    c.push_back({"BtnExcludeRunning", K::Button, P::Exclude, "", 8, 264, 161, 21, "実行中から選択…"});
    c.push_back({"OKBtn", K::Button, P::Frame, "", 288, 346, 73, 24, "OK"});
    c.push_back({"CancelBtn", K::Button, P::Frame, "", 368, 346, 73, 24, "CANCEL"});
    return form;
}

} // namespace

const OptionFormDescription& OptionForm()
{
    static const OptionFormDescription form = Describe();
    return form;
}

} // namespace lume
