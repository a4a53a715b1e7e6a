// How the model speaks to the user without a window of its own: a command
// hands back the notices it has to show, in order, and asks a question that
// is part of its flow through a callback the caller gives.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "res/notice.h"

// The notices of one command, in the order they are to be shown.
using Notices = std::vector<Notice>;

// Asks the user notice (a Yes/No question); true goes ahead, as any
// answer but No does. An empty callback goes ahead without asking.
using AskUser = std::function<bool(const Notice& question)>;

// Appends notice to *out when out is given.
inline void Tell(Notices* out, Notice notice) {
    if (out != nullptr) out->push_back(std::move(notice));
}

// The answer to question; true without a callback.
inline bool Ask(const AskUser& ask, const Notice& question) { return !ask || ask(question); }
