#pragma once
// The command line's `book`: a design book read from its file or made of
// project files named on the command line, calculated, and written as one
// PDF (or its recorded drawing to standard output), its summary also as a
// spreadsheet (XLSX) and as CSV.
//
//   book BOOK.vrhbook -o OUT.pdf [--xlsx OUT.xlsx] [--csv OUT.csv] [--]
//   book FILE.vrh ... [--title T] -o OUT.pdf [--xlsx ...] [--csv ...] [--]
//   book (BOOK.vrhbook | FILE.vrh ...) --dump

#include <string>
#include <string_view>
#include <vector>

#include "project/sizing_commands.h"

namespace varnholt::book {

/// `book`; args[0] is "book". Status 0 every wall O.K, 1 one NG or not
/// calculated, 2 the book or a member cannot be read, an output is refused
/// or cannot be written, or the command line is wrong (nothing is written
/// then). `program` is what the cover names ("Varnholt 3.50").
project::CommandResult BookCommand(const std::vector<std::string_view>& args,
                                   const project::PdfWriter& pdf, const std::string& program);

}  // namespace varnholt::book
