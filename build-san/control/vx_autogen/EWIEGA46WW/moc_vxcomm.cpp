/****************************************************************************
** Meta object code from reading C++ file 'vxcomm.h'
**
** Created by: The Qt Meta Object Compiler version 68 (Qt 6.4.2)
**
** WARNING! All changes made in this file will be lost!
*****************************************************************************/

#include <memory>
#include "../../../../control/vxcomm.h"
#include <QtCore/qmetatype.h>
#if !defined(Q_MOC_OUTPUT_REVISION)
#error "The header file 'vxcomm.h' doesn't include <QObject>."
#elif Q_MOC_OUTPUT_REVISION != 68
#error "This file was generated using the moc from 6.4.2. It"
#error "cannot be used with the include files from this version of Qt."
#error "(The moc has changed too much.)"
#endif

#ifndef Q_CONSTINIT
#define Q_CONSTINIT
#endif

QT_BEGIN_MOC_NAMESPACE
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
namespace {
struct qt_meta_stringdata_vxcomm_t {
    uint offsetsAndSizes[80];
    char stringdata0[7];
    char stringdata1[7];
    char stringdata2[10];
    char stringdata3[13];
    char stringdata4[7];
    char stringdata5[1];
    char stringdata6[16];
    char stringdata7[5];
    char stringdata8[10];
    char stringdata9[6];
    char stringdata10[12];
    char stringdata11[12];
    char stringdata12[6];
    char stringdata13[7];
    char stringdata14[4];
    char stringdata15[7];
    char stringdata16[5];
    char stringdata17[4];
    char stringdata18[5];
    char stringdata19[6];
    char stringdata20[4];
    char stringdata21[5];
    char stringdata22[5];
    char stringdata23[7];
    char stringdata24[5];
    char stringdata25[5];
    char stringdata26[6];
    char stringdata27[7];
    char stringdata28[10];
    char stringdata29[6];
    char stringdata30[6];
    char stringdata31[9];
    char stringdata32[9];
    char stringdata33[10];
    char stringdata34[10];
    char stringdata35[9];
    char stringdata36[10];
    char stringdata37[14];
    char stringdata38[15];
    char stringdata39[9];
};
#define QT_MOC_LITERAL(ofs, len) \
    uint(sizeof(qt_meta_stringdata_vxcomm_t::offsetsAndSizes) + ofs), len 
Q_CONSTINIT static const qt_meta_stringdata_vxcomm_t qt_meta_stringdata_vxcomm = {
    {
        QT_MOC_LITERAL(0, 6),  // "vxcomm"
        QT_MOC_LITERAL(7, 6),  // "ProgId"
        QT_MOC_LITERAL(14, 9),  // "vx.vxcomm"
        QT_MOC_LITERAL(24, 12),  // "DefaultEvent"
        QT_MOC_LITERAL(37, 6),  // "OnComm"
        QT_MOC_LITERAL(44, 0),  // ""
        QT_MOC_LITERAL(45, 15),  // "PropertyChanged"
        QT_MOC_LITERAL(61, 4),  // "name"
        QT_MOC_LITERAL(66, 9),  // "CommError"
        QT_MOC_LITERAL(76, 5),  // "event"
        QT_MOC_LITERAL(82, 11),  // "description"
        QT_MOC_LITERAL(94, 11),  // "Transmitted"
        QT_MOC_LITERAL(106, 5),  // "bytes"
        QT_MOC_LITERAL(112, 6),  // "addmsg"
        QT_MOC_LITERAL(119, 3),  // "str"
        QT_MOC_LITERAL(123, 6),  // "getmsg"
        QT_MOC_LITERAL(130, 4),  // "cvdi"
        QT_MOC_LITERAL(135, 3),  // "mys"
        QT_MOC_LITERAL(139, 4),  // "cvti"
        QT_MOC_LITERAL(144, 5),  // "cvudi"
        QT_MOC_LITERAL(150, 3),  // "cvi"
        QT_MOC_LITERAL(154, 4),  // "cvui"
        QT_MOC_LITERAL(159, 4),  // "crad"
        QT_MOC_LITERAL(164, 6),  // "degree"
        QT_MOC_LITERAL(171, 4),  // "cdeg"
        QT_MOC_LITERAL(176, 4),  // "rads"
        QT_MOC_LITERAL(181, 5),  // "cfeet"
        QT_MOC_LITERAL(187, 6),  // "meters"
        QT_MOC_LITERAL(194, 9),  // "CommEvent"
        QT_MOC_LITERAL(204, 5),  // "Odata"
        QT_MOC_LITERAL(210, 5),  // "Idata"
        QT_MOC_LITERAL(216, 8),  // "CommPort"
        QT_MOC_LITERAL(225, 8),  // "PortOpen"
        QT_MOC_LITERAL(234, 9),  // "DTREnable"
        QT_MOC_LITERAL(244, 9),  // "RTSEnable"
        QT_MOC_LITERAL(254, 8),  // "Latitude"
        QT_MOC_LITERAL(263, 9),  // "Longitude"
        QT_MOC_LITERAL(273, 13),  // "LatHemisphere"
        QT_MOC_LITERAL(287, 14),  // "LongHemisphere"
        QT_MOC_LITERAL(302, 8)   // "TimeZone"
    },
    "vxcomm",
    "ProgId",
    "vx.vxcomm",
    "DefaultEvent",
    "OnComm",
    "",
    "PropertyChanged",
    "name",
    "CommError",
    "event",
    "description",
    "Transmitted",
    "bytes",
    "addmsg",
    "str",
    "getmsg",
    "cvdi",
    "mys",
    "cvti",
    "cvudi",
    "cvi",
    "cvui",
    "crad",
    "degree",
    "cdeg",
    "rads",
    "cfeet",
    "meters",
    "CommEvent",
    "Odata",
    "Idata",
    "CommPort",
    "PortOpen",
    "DTREnable",
    "RTSEnable",
    "Latitude",
    "Longitude",
    "LatHemisphere",
    "LongHemisphere",
    "TimeZone"
};
#undef QT_MOC_LITERAL
} // unnamed namespace

Q_CONSTINIT static const uint qt_meta_data_vxcomm[] = {

 // content:
      10,       // revision
       0,       // classname
       2,   14, // classinfo
      14,   18, // methods
      12,  142, // properties
       0,    0, // enums/sets
       0,    0, // constructors
       0,       // flags
       4,       // signalCount

 // classinfo: key, value
       1,    2,
       3,    4,

 // signals: name, argc, parameters, tag, flags, initial metatype offsets
       4,    0,  102,    5, 0x06,   13 /* Public */,
       6,    1,  103,    5, 0x06,   14 /* Public */,
       8,    2,  106,    5, 0x06,   16 /* Public */,
      11,    1,  111,    5, 0x06,   19 /* Public */,

 // methods: name, argc, parameters, tag, flags, initial metatype offsets
      13,    1,  114,    5, 0x02,   21 /* Public */,
      15,    0,  117,    5, 0x02,   23 /* Public */,
      16,    1,  118,    5, 0x02,   24 /* Public */,
      18,    1,  121,    5, 0x02,   26 /* Public */,
      19,    1,  124,    5, 0x02,   28 /* Public */,
      20,    1,  127,    5, 0x02,   30 /* Public */,
      21,    1,  130,    5, 0x02,   32 /* Public */,
      22,    1,  133,    5, 0x02,   34 /* Public */,
      24,    1,  136,    5, 0x02,   36 /* Public */,
      26,    1,  139,    5, 0x02,   38 /* Public */,

 // signals: parameters
    QMetaType::Void,
    QMetaType::Void, QMetaType::QString,    7,
    QMetaType::Void, QMetaType::Short, QMetaType::QString,    9,   10,
    QMetaType::Void, QMetaType::QByteArray,   12,

 // methods: parameters
    QMetaType::QVariant, QMetaType::QString,   14,
    QMetaType::QString,
    QMetaType::Double, QMetaType::QByteArray,   17,
    QMetaType::Double, QMetaType::QByteArray,   17,
    QMetaType::Double, QMetaType::QByteArray,   17,
    QMetaType::Double, QMetaType::QByteArray,   17,
    QMetaType::Double, QMetaType::QByteArray,   17,
    QMetaType::Double, QMetaType::Double,   23,
    QMetaType::Double, QMetaType::Double,   25,
    QMetaType::Double, QMetaType::Double,   27,

 // properties: name, type, flags
      28, QMetaType::Short, 0x00015001, uint(-1), 0,
      29, QMetaType::QString, 0x00005103, uint(-1), 0,
      30, QMetaType::QString, 0x00005001, uint(-1), 0,
      31, QMetaType::Short, 0x00005103, uint(-1), 0,
      32, QMetaType::Short, 0x00005103, uint(-1), 0,
      33, QMetaType::Bool, 0x00005103, uint(-1), 0,
      34, QMetaType::Bool, 0x00005103, uint(-1), 0,
      35, QMetaType::QString, 0x00015103, uint(-1), 0,
      36, QMetaType::QString, 0x00015103, uint(-1), 0,
      37, QMetaType::QString, 0x00015103, uint(-1), 0,
      38, QMetaType::QString, 0x00015103, uint(-1), 0,
      39, QMetaType::Short, 0x00015103, uint(-1), 0,

       0        // eod
};

Q_CONSTINIT const QMetaObject vxcomm::staticMetaObject = { {
    QMetaObject::SuperData::link<QWidget::staticMetaObject>(),
    qt_meta_stringdata_vxcomm.offsetsAndSizes,
    qt_meta_data_vxcomm,
    qt_static_metacall,
    nullptr,
    qt_incomplete_metaTypeArray<qt_meta_stringdata_vxcomm_t,
        // property 'CommEvent'
        QtPrivate::TypeAndForceComplete<short, std::true_type>,
        // property 'Odata'
        QtPrivate::TypeAndForceComplete<QString, std::true_type>,
        // property 'Idata'
        QtPrivate::TypeAndForceComplete<QString, std::true_type>,
        // property 'CommPort'
        QtPrivate::TypeAndForceComplete<short, std::true_type>,
        // property 'PortOpen'
        QtPrivate::TypeAndForceComplete<short, std::true_type>,
        // property 'DTREnable'
        QtPrivate::TypeAndForceComplete<bool, std::true_type>,
        // property 'RTSEnable'
        QtPrivate::TypeAndForceComplete<bool, std::true_type>,
        // property 'Latitude'
        QtPrivate::TypeAndForceComplete<QString, std::true_type>,
        // property 'Longitude'
        QtPrivate::TypeAndForceComplete<QString, std::true_type>,
        // property 'LatHemisphere'
        QtPrivate::TypeAndForceComplete<QString, std::true_type>,
        // property 'LongHemisphere'
        QtPrivate::TypeAndForceComplete<QString, std::true_type>,
        // property 'TimeZone'
        QtPrivate::TypeAndForceComplete<short, std::true_type>,
        // Q_OBJECT / Q_GADGET
        QtPrivate::TypeAndForceComplete<vxcomm, std::true_type>,
        // method 'OnComm'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        // method 'PropertyChanged'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        // method 'CommError'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<short, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        // method 'Transmitted'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QByteArray &, std::false_type>,
        // method 'addmsg'
        QtPrivate::TypeAndForceComplete<QVariant, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        // method 'getmsg'
        QtPrivate::TypeAndForceComplete<QString, std::false_type>,
        // method 'cvdi'
        QtPrivate::TypeAndForceComplete<double, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QByteArray &, std::false_type>,
        // method 'cvti'
        QtPrivate::TypeAndForceComplete<double, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QByteArray &, std::false_type>,
        // method 'cvudi'
        QtPrivate::TypeAndForceComplete<double, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QByteArray &, std::false_type>,
        // method 'cvi'
        QtPrivate::TypeAndForceComplete<double, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QByteArray &, std::false_type>,
        // method 'cvui'
        QtPrivate::TypeAndForceComplete<double, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QByteArray &, std::false_type>,
        // method 'crad'
        QtPrivate::TypeAndForceComplete<double, std::false_type>,
        QtPrivate::TypeAndForceComplete<double, std::false_type>,
        // method 'cdeg'
        QtPrivate::TypeAndForceComplete<double, std::false_type>,
        QtPrivate::TypeAndForceComplete<double, std::false_type>,
        // method 'cfeet'
        QtPrivate::TypeAndForceComplete<double, std::false_type>,
        QtPrivate::TypeAndForceComplete<double, std::false_type>
    >,
    nullptr
} };

void vxcomm::qt_static_metacall(QObject *_o, QMetaObject::Call _c, int _id, void **_a)
{
    if (_c == QMetaObject::InvokeMetaMethod) {
        auto *_t = static_cast<vxcomm *>(_o);
        (void)_t;
        switch (_id) {
        case 0: _t->OnComm(); break;
        case 1: _t->PropertyChanged((*reinterpret_cast< std::add_pointer_t<QString>>(_a[1]))); break;
        case 2: _t->CommError((*reinterpret_cast< std::add_pointer_t<short>>(_a[1])),(*reinterpret_cast< std::add_pointer_t<QString>>(_a[2]))); break;
        case 3: _t->Transmitted((*reinterpret_cast< std::add_pointer_t<QByteArray>>(_a[1]))); break;
        case 4: { QVariant _r = _t->addmsg((*reinterpret_cast< std::add_pointer_t<QString>>(_a[1])));
            if (_a[0]) *reinterpret_cast< QVariant*>(_a[0]) = std::move(_r); }  break;
        case 5: { QString _r = _t->getmsg();
            if (_a[0]) *reinterpret_cast< QString*>(_a[0]) = std::move(_r); }  break;
        case 6: { double _r = _t->cvdi((*reinterpret_cast< std::add_pointer_t<QByteArray>>(_a[1])));
            if (_a[0]) *reinterpret_cast< double*>(_a[0]) = std::move(_r); }  break;
        case 7: { double _r = _t->cvti((*reinterpret_cast< std::add_pointer_t<QByteArray>>(_a[1])));
            if (_a[0]) *reinterpret_cast< double*>(_a[0]) = std::move(_r); }  break;
        case 8: { double _r = _t->cvudi((*reinterpret_cast< std::add_pointer_t<QByteArray>>(_a[1])));
            if (_a[0]) *reinterpret_cast< double*>(_a[0]) = std::move(_r); }  break;
        case 9: { double _r = _t->cvi((*reinterpret_cast< std::add_pointer_t<QByteArray>>(_a[1])));
            if (_a[0]) *reinterpret_cast< double*>(_a[0]) = std::move(_r); }  break;
        case 10: { double _r = _t->cvui((*reinterpret_cast< std::add_pointer_t<QByteArray>>(_a[1])));
            if (_a[0]) *reinterpret_cast< double*>(_a[0]) = std::move(_r); }  break;
        case 11: { double _r = _t->crad((*reinterpret_cast< std::add_pointer_t<double>>(_a[1])));
            if (_a[0]) *reinterpret_cast< double*>(_a[0]) = std::move(_r); }  break;
        case 12: { double _r = _t->cdeg((*reinterpret_cast< std::add_pointer_t<double>>(_a[1])));
            if (_a[0]) *reinterpret_cast< double*>(_a[0]) = std::move(_r); }  break;
        case 13: { double _r = _t->cfeet((*reinterpret_cast< std::add_pointer_t<double>>(_a[1])));
            if (_a[0]) *reinterpret_cast< double*>(_a[0]) = std::move(_r); }  break;
        default: ;
        }
    } else if (_c == QMetaObject::IndexOfMethod) {
        int *result = reinterpret_cast<int *>(_a[0]);
        {
            using _t = void (vxcomm::*)();
            if (_t _q_method = &vxcomm::OnComm; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 0;
                return;
            }
        }
        {
            using _t = void (vxcomm::*)(const QString & );
            if (_t _q_method = &vxcomm::PropertyChanged; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 1;
                return;
            }
        }
        {
            using _t = void (vxcomm::*)(short , const QString & );
            if (_t _q_method = &vxcomm::CommError; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 2;
                return;
            }
        }
        {
            using _t = void (vxcomm::*)(const QByteArray & );
            if (_t _q_method = &vxcomm::Transmitted; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 3;
                return;
            }
        }
    }else if (_c == QMetaObject::ReadProperty) {
        auto *_t = static_cast<vxcomm *>(_o);
        (void)_t;
        void *_v = _a[0];
        switch (_id) {
        case 0: *reinterpret_cast< short*>(_v) = _t->CommEvent(); break;
        case 1: *reinterpret_cast< QString*>(_v) = _t->writeOnly(); break;
        case 2: *reinterpret_cast< QString*>(_v) = _t->Idata(); break;
        case 3: *reinterpret_cast< short*>(_v) = _t->CommPort(); break;
        case 4: *reinterpret_cast< short*>(_v) = _t->PortOpen(); break;
        case 5: *reinterpret_cast< bool*>(_v) = _t->DTREnable(); break;
        case 6: *reinterpret_cast< bool*>(_v) = _t->RTSEnable(); break;
        case 7: *reinterpret_cast< QString*>(_v) = _t->Latitude(); break;
        case 8: *reinterpret_cast< QString*>(_v) = _t->Longitude(); break;
        case 9: *reinterpret_cast< QString*>(_v) = _t->LatHemisphere(); break;
        case 10: *reinterpret_cast< QString*>(_v) = _t->LongHemisphere(); break;
        case 11: *reinterpret_cast< short*>(_v) = _t->TimeZone(); break;
        default: break;
        }
    } else if (_c == QMetaObject::WriteProperty) {
        auto *_t = static_cast<vxcomm *>(_o);
        (void)_t;
        void *_v = _a[0];
        switch (_id) {
        case 1: _t->setOdata(*reinterpret_cast< QString*>(_v)); break;
        case 3: _t->setCommPort(*reinterpret_cast< short*>(_v)); break;
        case 4: _t->setPortOpen(*reinterpret_cast< short*>(_v)); break;
        case 5: _t->setDTREnable(*reinterpret_cast< bool*>(_v)); break;
        case 6: _t->setRTSEnable(*reinterpret_cast< bool*>(_v)); break;
        case 7: _t->setLatitude(*reinterpret_cast< QString*>(_v)); break;
        case 8: _t->setLongitude(*reinterpret_cast< QString*>(_v)); break;
        case 9: _t->setLatHemisphere(*reinterpret_cast< QString*>(_v)); break;
        case 10: _t->setLongHemisphere(*reinterpret_cast< QString*>(_v)); break;
        case 11: _t->setTimeZone(*reinterpret_cast< short*>(_v)); break;
        default: break;
        }
    } else if (_c == QMetaObject::ResetProperty) {
    } else if (_c == QMetaObject::BindableProperty) {
    }
}

const QMetaObject *vxcomm::metaObject() const
{
    return QObject::d_ptr->metaObject ? QObject::d_ptr->dynamicMetaObject() : &staticMetaObject;
}

void *vxcomm::qt_metacast(const char *_clname)
{
    if (!_clname) return nullptr;
    if (!strcmp(_clname, qt_meta_stringdata_vxcomm.stringdata0))
        return static_cast<void*>(this);
    if (!strcmp(_clname, "_vxcomm"))
        return static_cast< _vxcomm*>(this);
    if (!strcmp(_clname, "org.kestrune.vx._vxcomm/1.0"))
        return static_cast< _vxcomm*>(this);
    return QWidget::qt_metacast(_clname);
}

int vxcomm::qt_metacall(QMetaObject::Call _c, int _id, void **_a)
{
    _id = QWidget::qt_metacall(_c, _id, _a);
    if (_id < 0)
        return _id;
    if (_c == QMetaObject::InvokeMetaMethod) {
        if (_id < 14)
            qt_static_metacall(this, _c, _id, _a);
        _id -= 14;
    } else if (_c == QMetaObject::RegisterMethodArgumentMetaType) {
        if (_id < 14)
            *reinterpret_cast<QMetaType *>(_a[0]) = QMetaType();
        _id -= 14;
    }else if (_c == QMetaObject::ReadProperty || _c == QMetaObject::WriteProperty
            || _c == QMetaObject::ResetProperty || _c == QMetaObject::BindableProperty
            || _c == QMetaObject::RegisterPropertyMetaType) {
        qt_static_metacall(this, _c, _id, _a);
        _id -= 12;
    }
    return _id;
}

// SIGNAL 0
void vxcomm::OnComm()
{
    QMetaObject::activate(this, &staticMetaObject, 0, nullptr);
}

// SIGNAL 1
void vxcomm::PropertyChanged(const QString & _t1)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))) };
    QMetaObject::activate(this, &staticMetaObject, 1, _a);
}

// SIGNAL 2
void vxcomm::CommError(short _t1, const QString & _t2)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))), const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t2))) };
    QMetaObject::activate(this, &staticMetaObject, 2, _a);
}

// SIGNAL 3
void vxcomm::Transmitted(const QByteArray & _t1)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))) };
    QMetaObject::activate(this, &staticMetaObject, 3, _a);
}
QT_WARNING_POP
QT_END_MOC_NAMESPACE
