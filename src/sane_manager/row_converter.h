#pragma once

#include "sane_manager/page_form.h"

#include <cstdint>
#include <optional>
#include <sane/sane.h>
#include <vector>

namespace quillox::sane_manager {

// The frame a driver says it sends, read as a number: a driver may give a value outside SANE's
// list, which the enumeration cannot hold.
int frameOf(const SANE_Parameters& parameters);

// Turns the bytes SANE reads for one frame into the rows the transfers hand on: samples of 16
// bits become 8, black and white flips to 0 for black, and each row is padded. A frame of one
// colour of a three-pass scanner comes out as gray rows of that colour.
class RowConverter {
public:
    // Nothing when the driver's parameters describe no picture the transfers can take.
    static std::optional<RowConverter> For(const SANE_Parameters& parameters, double resolution);

    const PageForm& Form() const { return form_; }

    // Takes bytes as sane_read gave them; finished rows are added to rows.
    void Push(const std::uint8_t* bytes, std::size_t count, std::vector<std::uint8_t>& rows);

private:
    RowConverter(const SANE_Parameters& parameters, const PageForm& form, int channels);
    void ConvertLine(std::uint8_t* row) const;

    PageForm form_;
    int depth_;
    int channels_;
    std::vector<std::uint8_t> line_; // SANE's line, as it fills
    std::size_t filled_ = 0;
};

} // namespace quillox::sane_manager
