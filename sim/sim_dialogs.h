#pragma once
// Message boxes and the open-file dialog, answered by script. A box takes the next queued
// answer, else the handler's (0 from the handler leaves it unanswered); an unanswered box gets
// its first button (OK, Yes, Abort or Retry) and counts in unscriptedBoxes, so a test can
// assert that nothing unexpected asked the user. An answer that is no button of the box counts
// in impossibleAnswers. Boxes belong on the main thread; one shown elsewhere is recorded with
// onMainThread false.
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>
#include "ports/dialog_port.h"

namespace sim {

class SimLoop;

enum class BoxKind { Plain, Error, Confirmation, Warning, Information };

struct BoxRecord {
    BoxKind kind = BoxKind::Plain;
    std::string caption;
    std::string text;
    std::uint32_t style = 0;
    int answer = 0;
    bool scripted = false;
    bool onMainThread = true;
    std::uint64_t atMs = 0;
    // The kId* values of the box's buttons, left to right.
    std::vector<int> Buttons() const;
};

class SimDialogs : public port::DialogPort {
  public:
    explicit SimDialogs(const SimLoop& loop) : loop_(loop) {}

    int MessageBox(const std::string& text, const std::string& caption, std::uint32_t style) override;
    bool OpenFile(const port::OpenFileRequest& request, std::string& path) override;

    void Answer(int id) { answers_.push_back(id); }
    void Answer(std::initializer_list<int> ids) { answers_.insert(answers_.end(), ids.begin(), ids.end()); }
    std::function<int(const BoxRecord&)> handler;
    // nullopt cancels the dialog.
    void AnswerOpenFile(std::optional<std::string> path) { openFileAnswers_.push_back(std::move(path)); }
    std::function<std::optional<std::string>(const port::OpenFileRequest&)> openFileHandler;

    std::vector<BoxRecord> boxes;
    int unscriptedBoxes = 0;
    int impossibleAnswers = 0;
    std::vector<port::OpenFileRequest> openFileRequests;
    int unscriptedOpenFiles = 0;

    std::size_t PendingAnswers() const { return answers_.size(); }
    std::size_t Count(BoxKind kind) const;
    // The boxes whose text contains part.
    std::vector<BoxRecord> Containing(const std::string& part) const;
    const BoxRecord* Last() const { return boxes.empty() ? nullptr : &boxes.back(); }

  private:
    const SimLoop& loop_;
    std::deque<int> answers_;
    std::deque<std::optional<std::string>> openFileAnswers_;
};

}  // namespace sim
