#pragma once
// A coarse index of the catalogue's stars by sky cell (bands of 6 degrees of
// declination cut into cells about 6 degrees wide, a cap at each pole), so
// that a paint passes over the stars it cannot draw without touching them.
// Held by the sky window; rebuilt
// whenever the document's star list is not the one indexed (the catalogue
// is read only: a star does not move within the list).

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/fixed_point.h"

class CStar;

class StarIndex {
public:
    using Stars = std::vector<std::unique_ptr<CStar>>;

    // Indexes the stars unless they are the ones indexed; true when it was
    // rebuilt.
    bool Update(const Stars& stars);
    // Marks the cells a view can show: depth is the camera's depth row (Q15,
    // sky frame), reach the sine of the angle from the view centre to the
    // farthest point that counts (1 or more: the whole front hemisphere).
    void MarkVisible(const Vec3i& depth, double reach);
    // Whether star i (catalogue order) lies in a cell marked visible.
    bool MayShow(size_t i) const { return m_visible[m_cellOf[i]] != 0; }

private:
    struct Cell {
        double centre[3];
        double cosRadius, sinRadius;
    };
    void BuildCells();
    uint16_t CellOf(double ra, double dec) const;

    const void* m_data = nullptr;
    size_t m_size = 0;
    std::vector<Cell> m_cells;
    std::vector<uint16_t> m_bandFirst;  // first cell of each band
    std::vector<uint16_t> m_cellOf;
    std::vector<uint8_t> m_visible;
};
