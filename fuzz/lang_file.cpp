// Language files come from users: reading one, translating a form with it and looking up its
// messages and direct keys must never crash, whatever the file holds.

#include "ui/lang/DirectRead.h"
#include "ui/lang/Lang.h"
#include "ui/lang/PortableProfileFile.h"

#include <cstddef>
#include <cstdint>

using namespace tav;

namespace {

struct Control : TComponent {
    Control(TComponent* owner, std::string name) : TComponent(owner, std::move(name)) {
        PublishString(
            "Caption", [this] { return caption; }, [this](const std::string& v) { caption = v; });
        PublishList(
            "Items", [this] { return items; }, [this](const StringList& v) { items = v; });
        PublishInteger(
            "Width", [this] { return width; }, [this](int v) { width = v; });
    }
    std::string caption;
    StringList items{"a", "b", "c"};
    int width = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    TLanguage::SetProfileOpener(
        [&text](const std::string&) { return std::make_unique<TPortableProfileFile>(text); });

    TComponent form(nullptr, "Form");
    new Control(&form, "A");
    new Control(&form, "B");
    TLanguage* lang = new TLanguage(&form);
    lang->SetSeparator(",");
    const StringList lines = SplitTextLines(text);
    // Every key of the file also serves as a property path and a message.
    StringList keys;
    for (const std::string& line : lines)
        keys.push_back(line.substr(0, line.find('=')));
    lang->SetProperties(keys);
    lang->SetAutoTranslate(true);
    lang->SetLanguageFile("fuzzed.lng");
    for (const std::string& key : keys) {
        lang->GetMessageText(key);
        ReadDirectKey(lines, key);
    }
    return 0;
}
