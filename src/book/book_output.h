#pragma once
// What a design book writes besides its pages: where its files may go, and
// the lines the command line prints.

#include <string>
#include <vector>

#include "book/book_calc.h"

namespace varnholt::book {

/// Empty when `output` may receive an output of the book; otherwise the
/// message refusing it. A project file (".vrh") or a book file
/// (".vrhbook") is never an output, nor is the book itself or any of its
/// members under any name (a link, "..").
std::string BookTargetProblem(const std::string& output, const LoadedBook& book);

/// Empty when no two of the outputs are one file; otherwise the message.
std::string SameOutputsProblem(const std::vector<std::string>& outputs);

/// One line per member and case: symbol, case, verdict, the governing check
/// and its margin, or the reason it could not be calculated.
std::string BookSummaryText(const BookResult& book);

}  // namespace varnholt::book
