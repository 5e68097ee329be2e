#pragma once

/*! The edition of DIN 4108-3 whose limits the validity criteria apply. Settings and files keep
    the numeric codes (the enumerator values); they are converted where they are read. */
enum class DINEdition
{
    DIN4108_3_2001 = 0,
    DIN4108_3_2014 = 1,
    DIN4108_3_2018 = 2, ///< DIN 4108-3 2018 and 2024 (same limits)
    UserDefined = 3     ///< the user's own A_w limit
};

/*! The edition of a stored code. A code from a damaged or newer settings file must not select a
    zero limit, so anything unknown counts as the default edition, 2018 and 2024. */
inline DINEdition dinEditionFromCode(int code)
{
    switch (code) {
    case 0:
        return DINEdition::DIN4108_3_2001;
    case 1:
        return DINEdition::DIN4108_3_2014;
    case 3:
        return DINEdition::UserDefined;
    default:
        return DINEdition::DIN4108_3_2018;
    }
}

/*! The code under which settings and files store the edition. */
inline int dinEditionCode(DINEdition edition)
{
    return static_cast<int>(edition);
}
