#include "runtime/input_items.h"

#include "runtime/errors.h"
#include "runtime/number_text.h"

namespace quorvel::runtime {

std::string InputItemReader::readItem() {
    if (!pending_) {
        line_ = file_.readLine();  // raises 62 past the end
        pos_ = 0;
        pending_ = true;
    }
    while (pos_ < line_.size() && (line_[pos_] == ' ' || line_[pos_] == '\t')) ++pos_;

    std::string item;
    std::size_t end;
    if (pos_ < line_.size() && line_[pos_] == '"') {
        std::size_t close = line_.find('"', pos_ + 1);
        if (close == std::string::npos) close = line_.size();
        item = line_.substr(pos_ + 1, close - pos_ - 1);
        end = line_.find(',', close);  // what stands between the quote and the comma is dropped
    } else {
        end = line_.find(',', pos_);
        item = line_.substr(pos_, (end == std::string::npos ? line_.size() : end) - pos_);
        while (!item.empty() && (item.back() == ' ' || item.back() == '\t')) item.pop_back();
    }
    if (end == std::string::npos) {
        pending_ = false;  // the line is used up
    } else {
        pos_ = end + 1;  // a comma at the line end leaves one empty item
    }
    return item;
}

double InputItemReader::readNumber() { return scanNumber(readItem()); }

}  // namespace quorvel::runtime
