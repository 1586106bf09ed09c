#include "support/help/HelpPath.h"

#include "framework/HelpRouting.h"
#include "framework/Text.h"
#include "support/help/HelpStrings.h"

#include <utility>

namespace tav::help {

namespace {

std::string CleanPart(std::string_view part) {
    std::string text(part);
    ReplaceAll(text, "%20", " ");
    return TrimChar(text, ' ');
}

} // namespace

std::string BuildHelpPath(std::string_view file, std::string_view topic, std::string_view window,
                          THelpPathPrefix prefix) {
    const std::string cleanFile = CleanPart(file);
    std::string cleanTopic = CleanPart(topic);
    const std::string cleanWindow = CleanPart(window);
    std::string path = cleanFile;
    if (!cleanTopic.empty()) {
        ReplaceAll(cleanTopic, "\\", "/");
        if (cleanTopic.front() != '/')
            cleanTopic = '/' + cleanTopic;
        path = cleanFile.empty() ? cleanTopic : cleanFile + "::" + cleanTopic;
    }
    if (!cleanWindow.empty())
        path += ">" + cleanWindow;
    switch (prefix) {
    case THelpPathPrefix::MsItStore:
        return "mk:@MSITStore:" + path;
    case THelpPathPrefix::MsIts:
        return "ms-its:" + path;
    default:
        return path;
    }
}

void ExpandSystemRoot(std::string& text, std::string_view windowsFolder) {
    constexpr std::string_view kVariable = "%SystemRoot%";
    if (text.size() < kVariable.size() ||
        !AnsiSameText(text.substr(0, kVariable.size()), kVariable))
        return;
    std::string folder(windowsFolder);
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    text = folder + text.substr(kVariable.size());
}

std::string HelpCommandText(unsigned command) {
    static constexpr std::pair<unsigned, std::string_view> kNames[] = {
        {helpcmd::Context, "HELP_CONTEXT"},
        {helpcmd::Quit, "HELP_QUIT"},
        {helpcmd::Contents, "HELP_INDEX or HELP_CONTENTS"},
        {helpcmd::HelpOnHelp, "HELP_HELPONHELP"},
        {helpcmd::SetContents, "HELP_SETINDEX or HELP_SETCONTENTS"},
        {helpcmd::ContextPopup, "HELP_CONTEXTPOPUP"},
        {helpcmd::ForceFile, "HELP_FORCEFILE"},
        {helpcmd::ContextMenu, "HELP_CONTEXTMENU"},
        {helpcmd::Finder, "HELP_FINDER"},
        {helpcmd::WmHelp, "HELP_WM_HELP"},
        {helpcmd::SetPopupPos, "HELP_SETPOPUP_POS"},
        {helpcmd::Key, "HELP_KEY"},
        {helpcmd::Command, "HELP_COMMAND"},
        {helpcmd::PartialKey, "HELP_PARTIALKEY"},
        {helpcmd::MultiKey, "HELP_MULTIKEY"},
        {helpcmd::SetWinPos, "HELP_SETWINPOS"},
    };
    std::string_view name = "??";
    for (const auto& [number, text] : kNames)
        if (number == command)
            name = text;
    return std::to_string(command) + " (" + std::string(name) + ")";
}

} // namespace tav::help
