/****************************************************************************
** Meta object code from reading C++ file 'console_host.h'
**
** Created by: The Qt Meta Object Compiler version 68 (Qt 6.4.2)
**
** WARNING! All changes made in this file will be lost!
*****************************************************************************/

#include <memory>
#include "../../../../tools/vxinit/console_host.h"
#include <QtCore/qmetatype.h>
#if !defined(Q_MOC_OUTPUT_REVISION)
#error "The header file 'console_host.h' doesn't include <QObject>."
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
struct qt_meta_stringdata_vx__ConsoleHost_t {
    uint offsetsAndSizes[20];
    char stringdata0[16];
    char stringdata1[9];
    char stringdata2[1];
    char stringdata3[9];
    char stringdata4[7];
    char stringdata5[12];
    char stringdata6[6];
    char stringdata7[12];
    char stringdata8[14];
    char stringdata9[6];
};
#define QT_MOC_LITERAL(ofs, len) \
    uint(sizeof(qt_meta_stringdata_vx__ConsoleHost_t::offsetsAndSizes) + ofs), len 
Q_CONSTINIT static const qt_meta_stringdata_vx__ConsoleHost_t qt_meta_stringdata_vx__ConsoleHost = {
    {
        QT_MOC_LITERAL(0, 15),  // "vx::ConsoleHost"
        QT_MOC_LITERAL(16, 8),  // "finished"
        QT_MOC_LITERAL(25, 0),  // ""
        QT_MOC_LITERAL(26, 8),  // "exitCode"
        QT_MOC_LITERAL(35, 6),  // "onComm"
        QT_MOC_LITERAL(42, 11),  // "onCommError"
        QT_MOC_LITERAL(54, 5),  // "event"
        QT_MOC_LITERAL(60, 11),  // "description"
        QT_MOC_LITERAL(72, 13),  // "onTransmitted"
        QT_MOC_LITERAL(86, 5)   // "bytes"
    },
    "vx::ConsoleHost",
    "finished",
    "",
    "exitCode",
    "onComm",
    "onCommError",
    "event",
    "description",
    "onTransmitted",
    "bytes"
};
#undef QT_MOC_LITERAL
} // unnamed namespace

Q_CONSTINIT static const uint qt_meta_data_vx__ConsoleHost[] = {

 // content:
      10,       // revision
       0,       // classname
       0,    0, // classinfo
       4,   14, // methods
       0,    0, // properties
       0,    0, // enums/sets
       0,    0, // constructors
       0,       // flags
       1,       // signalCount

 // signals: name, argc, parameters, tag, flags, initial metatype offsets
       1,    1,   38,    2, 0x06,    1 /* Public */,

 // slots: name, argc, parameters, tag, flags, initial metatype offsets
       4,    0,   41,    2, 0x08,    3 /* Private */,
       5,    2,   42,    2, 0x08,    4 /* Private */,
       8,    1,   47,    2, 0x08,    7 /* Private */,

 // signals: parameters
    QMetaType::Void, QMetaType::Int,    3,

 // slots: parameters
    QMetaType::Void,
    QMetaType::Void, QMetaType::Short, QMetaType::QString,    6,    7,
    QMetaType::Void, QMetaType::QByteArray,    9,

       0        // eod
};

Q_CONSTINIT const QMetaObject vx::ConsoleHost::staticMetaObject = { {
    QMetaObject::SuperData::link<QObject::staticMetaObject>(),
    qt_meta_stringdata_vx__ConsoleHost.offsetsAndSizes,
    qt_meta_data_vx__ConsoleHost,
    qt_static_metacall,
    nullptr,
    qt_incomplete_metaTypeArray<qt_meta_stringdata_vx__ConsoleHost_t,
        // Q_OBJECT / Q_GADGET
        QtPrivate::TypeAndForceComplete<ConsoleHost, std::true_type>,
        // method 'finished'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<int, std::false_type>,
        // method 'onComm'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        // method 'onCommError'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<short, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        // method 'onTransmitted'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QByteArray &, std::false_type>
    >,
    nullptr
} };

void vx::ConsoleHost::qt_static_metacall(QObject *_o, QMetaObject::Call _c, int _id, void **_a)
{
    if (_c == QMetaObject::InvokeMetaMethod) {
        auto *_t = static_cast<ConsoleHost *>(_o);
        (void)_t;
        switch (_id) {
        case 0: _t->finished((*reinterpret_cast< std::add_pointer_t<int>>(_a[1]))); break;
        case 1: _t->onComm(); break;
        case 2: _t->onCommError((*reinterpret_cast< std::add_pointer_t<short>>(_a[1])),(*reinterpret_cast< std::add_pointer_t<QString>>(_a[2]))); break;
        case 3: _t->onTransmitted((*reinterpret_cast< std::add_pointer_t<QByteArray>>(_a[1]))); break;
        default: ;
        }
    } else if (_c == QMetaObject::IndexOfMethod) {
        int *result = reinterpret_cast<int *>(_a[0]);
        {
            using _t = void (ConsoleHost::*)(int );
            if (_t _q_method = &ConsoleHost::finished; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 0;
                return;
            }
        }
    }
}

const QMetaObject *vx::ConsoleHost::metaObject() const
{
    return QObject::d_ptr->metaObject ? QObject::d_ptr->dynamicMetaObject() : &staticMetaObject;
}

void *vx::ConsoleHost::qt_metacast(const char *_clname)
{
    if (!_clname) return nullptr;
    if (!strcmp(_clname, qt_meta_stringdata_vx__ConsoleHost.stringdata0))
        return static_cast<void*>(this);
    return QObject::qt_metacast(_clname);
}

int vx::ConsoleHost::qt_metacall(QMetaObject::Call _c, int _id, void **_a)
{
    _id = QObject::qt_metacall(_c, _id, _a);
    if (_id < 0)
        return _id;
    if (_c == QMetaObject::InvokeMetaMethod) {
        if (_id < 4)
            qt_static_metacall(this, _c, _id, _a);
        _id -= 4;
    } else if (_c == QMetaObject::RegisterMethodArgumentMetaType) {
        if (_id < 4)
            *reinterpret_cast<QMetaType *>(_a[0]) = QMetaType();
        _id -= 4;
    }
    return _id;
}

// SIGNAL 0
void vx::ConsoleHost::finished(int _t1)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))) };
    QMetaObject::activate(this, &staticMetaObject, 0, _a);
}
QT_WARNING_POP
QT_END_MOC_NAMESPACE
