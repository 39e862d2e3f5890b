#include "engine/report/decimal_digits.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace vostrel {
namespace {

// An unsigned integer of any size, little-endian limbs in base 10^9.
class BigDecimalInteger {
  public:
    explicit BigDecimalInteger(std::uint64_t value) {
        do {
            limbs_.push_back(static_cast<std::uint32_t>(value % kBase));
            value /= kBase;
        } while (value != 0);
    }

    void Multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        while (carry != 0) {
            limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
            carry /= kBase;
        }
    }

    // Multiplies by base^count, in steps that keep every product inside 64 bits.
    void MultiplyByPower(std::uint32_t base, std::uint32_t stepFactor, int stepExponent,
                         int count) {
        while (count >= stepExponent) {
            Multiply(stepFactor);
            count -= stepExponent;
        }
        while (count-- > 0) Multiply(base);
    }

    std::string ToString() const {
        std::string text = std::to_string(limbs_.back());
        for (std::size_t i = limbs_.size() - 1; i-- > 0;) {
            const std::string part = std::to_string(limbs_[i]);
            text.append(9 - part.size(), '0');
            text += part;
        }
        return text;
    }

  private:
    static constexpr std::uint64_t kBase = 1000000000;
    std::vector<std::uint32_t> limbs_;
};

void StripZeros(DecimalDigits& value) {
    std::size_t first = value.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        value.digits.clear();
        value.exponent = 0;
        return;
    }
    value.digits.erase(0, first);
    value.exponent -= static_cast<int>(first);
    value.digits.erase(value.digits.find_last_not_of('0') + 1);
}

// Cuts the digits to the first `keep` of them and rounds half away from zero on the
// first digit dropped.
void RoundAt(DecimalDigits& value, int keep) {
    if (keep < 0) {
        value.digits.clear();
        value.exponent = 0;
        return;
    }
    if (static_cast<std::size_t>(keep) >= value.digits.size()) return;
    const bool up = value.digits[static_cast<std::size_t>(keep)] >= '5';
    value.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        std::size_t i = value.digits.size();
        while (i > 0 && value.digits[i - 1] == '9') {
            value.digits[i - 1] = '0';
            --i;
        }
        if (i == 0) {
            value.digits.insert(value.digits.begin(), '1');
            ++value.exponent;
        } else {
            ++value.digits[i - 1];
        }
    }
    StripZeros(value);
}

}  // namespace

DecimalDigits ExactDecimal(long double x) {
    DecimalDigits result;
    result.negative = std::signbit(x);
    if (x == 0) return result;

    // |x| = mantissa × 2^binaryExponent with a 64-bit integer mantissa, which holds every
    // long double (and every double) exactly.
    int frexpExponent = 0;
    const long double fraction = std::frexp(std::fabs(x), &frexpExponent);
    std::uint64_t mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    int binaryExponent = frexpExponent - 64;
    while ((mantissa & 1U) == 0) {
        mantissa >>= 1U;
        ++binaryExponent;
    }

    BigDecimalInteger number(mantissa);
    if (binaryExponent >= 0) {
        number.MultiplyByPower(2, 1U << 29U, 29, binaryExponent);
        result.digits = number.ToString();
        result.exponent = static_cast<int>(result.digits.size());
    } else {
        // m / 2^k = m × 5^k / 10^k
        number.MultiplyByPower(5, 1220703125U, 13, -binaryExponent);
        result.digits = number.ToString();
        result.exponent = static_cast<int>(result.digits.size()) + binaryExponent;
    }
    StripZeros(result);
    return result;
}

void RoundSignificant(DecimalDigits& value, int n) { RoundAt(value, n); }

void RoundDecimals(DecimalDigits& value, int d) { RoundAt(value, value.exponent + d); }

}  // namespace vostrel
