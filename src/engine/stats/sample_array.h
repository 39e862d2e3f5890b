#pragma once
// The one shared analysis array: the extraction operations fill it, the sample
// statistics read it. It is 1-based (slot 0 is not used) and only ever grows.

#include <vector>

namespace vostrel {

struct SampleArray {
    std::vector<double> A_Array = std::vector<double>(1, 0.0);
    int SampleCount = 0;  // values in A_Array[1..SampleCount]

    // Capacity: valid indexes are 1..Acount().
    int Acount() const { return static_cast<int>(A_Array.size()) - 1; }

    // Enlarges the capacity to nA when it is smaller; never shrinks.
    void MaxSizeA_Array(int nA) {
        if (Acount() < nA) A_Array.resize(static_cast<std::size_t>(nA) + 1, 0.0);
    }
    // Sets the capacity to exactly nA.
    void CreateA_Array(int nA) {
        A_Array.assign(static_cast<std::size_t>(nA < 0 ? 0 : nA) + 1, 0.0);
    }
    void DisposeA_Array() {
        A_Array.assign(1, 0.0);
        SampleCount = 0;
    }

    // Empties the array and appends values one by one, growing it when needed.
    void Clear() { SampleCount = 0; }
    void Append(double x) {
        ++SampleCount;
        if (SampleCount > Acount())
            A_Array.resize(static_cast<std::size_t>(SampleCount) * 2 + 1, 0.0);
        A_Array[static_cast<std::size_t>(SampleCount)] = x;
    }

    double& operator[](int i) { return A_Array[static_cast<std::size_t>(i)]; }
    double operator[](int i) const { return A_Array[static_cast<std::size_t>(i)]; }
};

}  // namespace vostrel
