// The web edition's module: the core's table of categories, its pages and its readers and
// writers of code lines, as the page's script calls them (web/src/brindlex.d.ts).
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <vector>

#include "codec/codec.h"
#include "codec/lines.h"
#include "profile/categories.h"
#include "profile/pages.h"
#include "profile/profile_json.h"
#include "web/module/pagemodel.h"
#include "web/module/reader.h"

namespace brindlex::web {

namespace {

using emscripten::val;

val Strings(const std::vector<std::string_view>& texts) {
    val array = val::array();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        array.set(i, val(std::string(texts[i])));
    }
    return array;
}

std::vector<int> Entries(const val& entries) {
    std::vector<int> result;
    if (entries.isArray()) {
        const auto count = entries["length"].as<unsigned>();
        for (unsigned i = 0; i < count; ++i) {
            result.push_back(entries[i].as<int>());
        }
    }
    return result;
}

std::string_view ControlKindName(PageControl::Kind kind) {
    switch (kind) {
        case PageControl::kList:
            return "list";
        case PageControl::kBox:
            return "box";
        case PageControl::kSlider:
            return "slider";
        case PageControl::kAgeField:
            return "ageField";
        case PageControl::kCustomName:
            return "customName";
    }
    return "";
}

val SliderOf(const PageControl& control) {
    val slider = val::object();
    val words = val::array();
    val labels = val::array();
    for (unsigned level = 0; level <= 7; ++level) {
        words.set(level, val(LevelWord(control.labels, level)));
        labels.set(level, val(std::string(LevelLabel(control.labels, level))));
    }
    slider.set("level", control.level);
    slider.set("words", words);
    slider.set("labels", labels);
    return slider;
}

val ControlOf(const PageModel& model, std::size_t at) {
    const PageControl& control = model.controls[at];
    val result = val::object();
    result.set("kind", val(std::string(ControlKindName(control.kind))));
    result.set("index", model.ordinal(at));
    result.set("name", control.name);
    result.set("label", control.label.empty() ? control.name : control.label);
    result.set("enabled", control.enabled);
    switch (control.kind) {
        case PageControl::kList:
            result.set("entries", Strings(control.entries));
            result.set("selected", control.selected);
            break;
        case PageControl::kBox:
            result.set("checked", control.checked);
            break;
        case PageControl::kSlider: {
            const val slider = SliderOf(control);
            for (const char* key : {"level", "words", "labels"}) {
                result.set(key, slider[key]);
            }
            break;
        }
        case PageControl::kAgeField:
        case PageControl::kCustomName:
            result.set("text", control.text);
            result.set("hint", control.hint);
            result.set("maxLength", control.maxLength);
            break;
    }
    return result;
}

// The answers of one person: the page's own, or a line read elsewhere.
class Answers {
public:
    std::string line() { return ComposeCode(m_profile); }

    val page(int category, int trainedField, bool exactAge) const {
        const PageModel model = DescribePage(category, m_profile, {trainedField, exactAge});
        val result = val::object();
        result.set("category", model.category);
        result.set("kind", val(std::string(PageKindName(model.page))));
        result.set("caption", val(std::string(CategoryCaption(category))));
        result.set("help", model.help);
        val controls = val::array();
        for (std::size_t i = 0; i < model.controls.size(); ++i) {
            controls.set(i, ControlOf(model, i));
        }
        result.set("controls", controls);
        return result;
    }

    void choose(int category, int list, const val& entries) {
        ChooseEntry(m_profile, category, list, Entries(entries));
    }
    void tick(int category, int box, bool checked, const val& entries) {
        TickBox(m_profile, category, box, checked, Entries(entries));
    }
    void setLevel(int category, unsigned level) { SetLevel(m_profile, category, level); }
    bool setAgeText(const std::string& text) { return StoreAgeText(m_profile, text); }
    void setCustomName(const std::string& name) { m_profile.customSpeciesName = name; }

    // Reads a code line as the code line field does: "" when it replaced the answers, else
    // why it was refused, the answers unchanged.
    std::string read(const std::string& text) {
        return ParseCode(text, m_profile) ? std::string() : RejectionReason(text);
    }
    // Reads the first line of a file's bytes, as "Open Txt File..." does.
    std::string open(const std::string& bytes) { return read(std::string(FirstLine(bytes))); }
    // The bytes of a saved code line: the line and one 0x00 byte.
    val fileBytes() {
        std::string bytes = ComposeCode(m_profile);
        bytes.push_back('\0');
        return val::global("Uint8Array")
            .new_(emscripten::typed_memory_view(
                bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data())));
    }

    std::string toJson() const { return ProfileToJsonText(m_profile); }
    // Takes the answers of a stored record, whatever name it holds: "" when it was read, else
    // why not, the answers unchanged.
    std::string fromJson(const std::string& text) {
        try {
            m_profile = ProfileFromJsonText(text, NameCharacters::kAny);
            return {};
        } catch (const ProfileJsonError& e) {
            return e.what();
        }
    }
    void clear() { m_profile = PROFILE(); }

    const PROFILE& profile() const { return m_profile; }

private:
    PROFILE m_profile;
};

val Tabs() {
    val tabs = val::array();
    for (std::size_t t = 0; t < kTabNames.size(); ++t) {
        val tab = val::object();
        tab.set("name", val(std::string(kTabNames[t])));
        tab.set("first", kTabFirstCategory[t]);
        tab.set("count", kTabRowCount[t]);
        tabs.set(t, tab);
    }
    return tabs;
}

// The fixed texts and names of the page.
val Names() {
    val names = val::object();
    names.set("tabs", val(std::string(kTabsName)));
    names.set("categories", val(std::string(kCategoryListName)));
    names.set("help", val(std::string(kHelpName)));
    names.set("codeLine", val(std::string(kCodeLineName)));
    return names;
}

// What a category stores, for scripts that check the page against the record.
val Category(int category) {
    const CategoryInfo& row = CategoryOf(category);
    val result = val::object();
    result.set("caption", val(std::string(CategoryCaption(category))));
    result.set("tab", row.tab);
    result.set("kind", val(std::string(PageKindName(row.page))));
    const auto fieldName = [](const FieldInfo* field) {
        return field == nullptr ? std::string() : std::string(field->name);
    };
    result.set("field", fieldName(row.field));
    result.set("level", fieldName(row.level));
    result.set("extra", fieldName(row.extra));
    return result;
}

val FindLinesIn(const std::string& text) {
    val result = val::array();
    const std::vector<FoundLine> lines = FindLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        val line = val::object();
        line.set("lineNumber", lines[i].lineNumber);
        line.set("code", lines[i].code);
        result.set(i, line);
    }
    return result;
}

val ReadLine(const std::string& text, unsigned index, const Answers& yours) {
    const std::optional<LineReading> reading = ReadFoundLine(text, index, yours.profile());
    if (!reading) {
        return val::null();
    }
    val result = val::object();
    result.set("code", reading->code);
    result.set("differing", reading->differing);
    result.set("same", reading->same);
    val rows = val::array();
    for (std::size_t i = 0; i < reading->rows.size(); ++i) {
        const ReaderRow& row = reading->rows[i];
        val item = val::object();
        item.set("category", row.category);
        item.set("caption", row.caption);
        item.set("theirs", row.theirs);
        item.set("yours", row.yours);
        item.set("code", row.code);
        item.set("differs", row.differs);
        rows.set(i, item);
    }
    result.set("rows", rows);
    val repairs = val::array();
    for (std::size_t i = 0; i < reading->repairs.size(); ++i) {
        val item = val::object();
        item.set("text", reading->repairs[i].text);
        item.set("from", reading->repairs[i].from);
        item.set("to", reading->repairs[i].to);
        repairs.set(i, item);
    }
    result.set("repairs", repairs);
    return result;
}

std::string Rejection(const std::string& text) {
    return RejectionReason(text);
}

}  // namespace

EMSCRIPTEN_BINDINGS(brindlex) {
    using emscripten::class_;
    using emscripten::function;
    class_<Answers>("Answers")
        .constructor<>()
        .function("line", &Answers::line)
        .function("page", &Answers::page)
        .function("choose", &Answers::choose)
        .function("tick", &Answers::tick)
        .function("setLevel", &Answers::setLevel)
        .function("setAgeText", &Answers::setAgeText)
        .function("setCustomName", &Answers::setCustomName)
        .function("read", &Answers::read)
        .function("open", &Answers::open)
        .function("fileBytes", &Answers::fileBytes)
        .function("toJson", &Answers::toJson)
        .function("fromJson", &Answers::fromJson)
        .function("clear", &Answers::clear);
    function("tabs", &Tabs);
    function("names", &Names);
    function("category", &Category);
    function("rejectionReason", &Rejection);
    function("findLines", &FindLinesIn);
    function("readLine", &ReadLine);
}

}  // namespace brindlex::web
