// Parameter lists of the record exports: QV_PARAMS_n declares n short text parameters a1..an,
// QV_SHORTS_n reads them as views. Records take up to 32 fields.
#pragma once

#define QV_PARAMS_0 void
#define QV_SHORTS_0
#define QV_PARAMS_1 const unsigned char* a1
#define QV_SHORTS_1 shortText(a1)
#define QV_PARAMS_2 QV_PARAMS_1, const unsigned char* a2
#define QV_SHORTS_2 QV_SHORTS_1, shortText(a2)
#define QV_PARAMS_3 QV_PARAMS_2, const unsigned char* a3
#define QV_SHORTS_3 QV_SHORTS_2, shortText(a3)
#define QV_PARAMS_4 QV_PARAMS_3, const unsigned char* a4
#define QV_SHORTS_4 QV_SHORTS_3, shortText(a4)
#define QV_PARAMS_5 QV_PARAMS_4, const unsigned char* a5
#define QV_SHORTS_5 QV_SHORTS_4, shortText(a5)
#define QV_PARAMS_6 QV_PARAMS_5, const unsigned char* a6
#define QV_SHORTS_6 QV_SHORTS_5, shortText(a6)
#define QV_PARAMS_7 QV_PARAMS_6, const unsigned char* a7
#define QV_SHORTS_7 QV_SHORTS_6, shortText(a7)
#define QV_PARAMS_8 QV_PARAMS_7, const unsigned char* a8
#define QV_SHORTS_8 QV_SHORTS_7, shortText(a8)
#define QV_PARAMS_9 QV_PARAMS_8, const unsigned char* a9
#define QV_SHORTS_9 QV_SHORTS_8, shortText(a9)
#define QV_PARAMS_10 QV_PARAMS_9, const unsigned char* a10
#define QV_SHORTS_10 QV_SHORTS_9, shortText(a10)
#define QV_PARAMS_11 QV_PARAMS_10, const unsigned char* a11
#define QV_SHORTS_11 QV_SHORTS_10, shortText(a11)
#define QV_PARAMS_12 QV_PARAMS_11, const unsigned char* a12
#define QV_SHORTS_12 QV_SHORTS_11, shortText(a12)
#define QV_PARAMS_13 QV_PARAMS_12, const unsigned char* a13
#define QV_SHORTS_13 QV_SHORTS_12, shortText(a13)
#define QV_PARAMS_14 QV_PARAMS_13, const unsigned char* a14
#define QV_SHORTS_14 QV_SHORTS_13, shortText(a14)
#define QV_PARAMS_15 QV_PARAMS_14, const unsigned char* a15
#define QV_SHORTS_15 QV_SHORTS_14, shortText(a15)
#define QV_PARAMS_16 QV_PARAMS_15, const unsigned char* a16
#define QV_SHORTS_16 QV_SHORTS_15, shortText(a16)
#define QV_PARAMS_17 QV_PARAMS_16, const unsigned char* a17
#define QV_SHORTS_17 QV_SHORTS_16, shortText(a17)
#define QV_PARAMS_18 QV_PARAMS_17, const unsigned char* a18
#define QV_SHORTS_18 QV_SHORTS_17, shortText(a18)
#define QV_PARAMS_19 QV_PARAMS_18, const unsigned char* a19
#define QV_SHORTS_19 QV_SHORTS_18, shortText(a19)
#define QV_PARAMS_20 QV_PARAMS_19, const unsigned char* a20
#define QV_SHORTS_20 QV_SHORTS_19, shortText(a20)
#define QV_PARAMS_21 QV_PARAMS_20, const unsigned char* a21
#define QV_SHORTS_21 QV_SHORTS_20, shortText(a21)
#define QV_PARAMS_22 QV_PARAMS_21, const unsigned char* a22
#define QV_SHORTS_22 QV_SHORTS_21, shortText(a22)
#define QV_PARAMS_23 QV_PARAMS_22, const unsigned char* a23
#define QV_SHORTS_23 QV_SHORTS_22, shortText(a23)
#define QV_PARAMS_24 QV_PARAMS_23, const unsigned char* a24
#define QV_SHORTS_24 QV_SHORTS_23, shortText(a24)
#define QV_PARAMS_25 QV_PARAMS_24, const unsigned char* a25
#define QV_SHORTS_25 QV_SHORTS_24, shortText(a25)
#define QV_PARAMS_26 QV_PARAMS_25, const unsigned char* a26
#define QV_SHORTS_26 QV_SHORTS_25, shortText(a26)
#define QV_PARAMS_27 QV_PARAMS_26, const unsigned char* a27
#define QV_SHORTS_27 QV_SHORTS_26, shortText(a27)
#define QV_PARAMS_28 QV_PARAMS_27, const unsigned char* a28
#define QV_SHORTS_28 QV_SHORTS_27, shortText(a28)
#define QV_PARAMS_29 QV_PARAMS_28, const unsigned char* a29
#define QV_SHORTS_29 QV_SHORTS_28, shortText(a29)
#define QV_PARAMS_30 QV_PARAMS_29, const unsigned char* a30
#define QV_SHORTS_30 QV_SHORTS_29, shortText(a30)
#define QV_PARAMS_31 QV_PARAMS_30, const unsigned char* a31
#define QV_SHORTS_31 QV_SHORTS_30, shortText(a31)
#define QV_PARAMS_32 QV_PARAMS_31, const unsigned char* a32
#define QV_SHORTS_32 QV_SHORTS_31, shortText(a32)
