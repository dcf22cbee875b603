#include "sim/sim_dialogs.h"

#include <algorithm>
#include "sim/sim_loop.h"

namespace sim {

std::vector<int> BoxRecord::Buttons() const {
    switch (style & 0xF) {
        case port::kMbOkCancel:
            return {port::kIdOk, port::kIdCancel};
        case port::kMbAbortRetryIgnore:
            return {port::kIdAbort, port::kIdRetry, port::kIdIgnore};
        case port::kMbYesNoCancel:
            return {port::kIdYes, port::kIdNo, port::kIdCancel};
        case port::kMbYesNo:
            return {port::kIdYes, port::kIdNo};
        case port::kMbYesNoAbort:
            return {port::kIdYes, port::kIdNo, port::kIdAbort};
        case 5:  // MB_RETRYCANCEL
            return {port::kIdRetry, port::kIdCancel};
        default:
            return {port::kIdOk};
    }
}

int SimDialogs::MessageBox(const std::string& text, const std::string& caption, std::uint32_t style) {
    BoxRecord box;
    switch (style & 0xF0) {
        case port::kMbIconError:
            box.kind = BoxKind::Error;
            break;
        case port::kMbIconQuestion:
            box.kind = BoxKind::Confirmation;
            break;
        case port::kMbIconWarning:
            box.kind = BoxKind::Warning;
            break;
        case port::kMbIconInformation:
            box.kind = BoxKind::Information;
            break;
        default:
            box.kind = BoxKind::Plain;
            break;
    }
    box.caption = caption;
    box.text = text;
    box.style = style;
    box.onMainThread = loop_.IsMainThread();
    box.atMs = loop_.NowMs();
    if (!answers_.empty()) {
        box.answer = answers_.front();
        answers_.pop_front();
    } else if (handler) {
        box.answer = handler(box);
    }
    box.scripted = box.answer != 0;
    std::vector<int> buttons = box.Buttons();
    if (!box.scripted) {
        box.answer = buttons.front();
        ++unscriptedBoxes;
    } else if (std::find(buttons.begin(), buttons.end(), box.answer) == buttons.end()) {
        ++impossibleAnswers;
    }
    boxes.push_back(box);
    return box.answer;
}

bool SimDialogs::OpenFile(const port::OpenFileRequest& request, std::string& path) {
    openFileRequests.push_back(request);
    std::optional<std::string> answer;
    if (!openFileAnswers_.empty()) {
        answer = openFileAnswers_.front();
        openFileAnswers_.pop_front();
    } else if (openFileHandler) {
        answer = openFileHandler(request);
    } else {
        ++unscriptedOpenFiles;
    }
    if (!answer) return false;
    path = *answer;
    return true;
}

std::size_t SimDialogs::Count(BoxKind kind) const {
    return static_cast<std::size_t>(
        std::count_if(boxes.begin(), boxes.end(), [&](const BoxRecord& b) { return b.kind == kind; }));
}

std::vector<BoxRecord> SimDialogs::Containing(const std::string& part) const {
    std::vector<BoxRecord> out;
    for (const BoxRecord& box : boxes) {
        if (box.text.find(part) != std::string::npos) out.push_back(box);
    }
    return out;
}

}  // namespace sim
