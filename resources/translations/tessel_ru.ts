<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>QApplication</name>
    <message>
        <source>Designs data-collection applications for barcode terminals.</source>
        <translation>Разработка приложений сбора данных для терминалов штрихкода.</translation>
    </message>
    <message>
        <source>A project file (.TSX or .TSA) to open.</source>
        <translation>Открываемый файл проекта (.TSX или .TSA).</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Keep Editing</source>
        <translation>Продолжить правку</translation>
    </message>
</context>
<context>
    <name>tessel::BarcodePage</name>
    <message>
        <source>Reader Type</source>
        <translation>Тип сканера</translation>
    </message>
    <message>
        <source>RFID Options</source>
        <translation>Параметры RFID</translation>
    </message>
    <message>
        <source>Code ID</source>
        <translation>Code ID</translation>
    </message>
    <message>
        <source>Weight Code</source>
        <translation>Весовой код</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Сбросить по умолчанию</translation>
    </message>
    <message>
        <source>Symbology Options</source>
        <translation>Параметры символики</translation>
    </message>
</context>
<context>
    <name>tessel::BranchDialog</name>
    <message>
        <source>Branch</source>
        <translation>Переход</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Ещё...</translation>
    </message>
</context>
<context>
    <name>tessel::EditorSheet</name>
    <message>
        <source>Discard the changes made in the editor?</source>
        <translation>Отменить изменения, сделанные в редакторе?</translation>
    </message>
    <message>
        <source>What was stored at once, such as the reader type, stays and can be undone.</source>
        <translation>То, что сохранено сразу (например, тип сканера), остаётся, и это можно отменить.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
</context>
<context>
    <name>tessel::FieldPropertiesDialog</name>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Form # %1</source>
        <translation>Форма № %1</translation>
    </message>
    <message>
        <source>Line # %1</source>
        <translation>Строка № %1</translation>
    </message>
    <message>
        <source>Field data</source>
        <translation>Данные поля</translation>
    </message>
    <message>
        <source>Fixed data length</source>
        <translation>Фиксированная длина данных</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Выравнивание</translation>
    </message>
    <message>
        <source>Initial value or text</source>
        <translation>Начальное значение или текст</translation>
    </message>
    <message>
        <source>Add prefix code</source>
        <translation>Добавить префикс</translation>
    </message>
    <message>
        <source>Add suffix code</source>
        <translation>Добавить суффикс</translation>
    </message>
    <message>
        <source>Show input mark</source>
        <translation>Показывать знак ввода</translation>
    </message>
    <message>
        <source>Decimal places :</source>
        <translation>Знаков после запятой :</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>Штрихкод</translation>
    </message>
    <message>
        <source>Read partial barcode</source>
        <translation>Читать часть штрихкода</translation>
    </message>
    <message>
        <source>Save full barcode in Data File</source>
        <translation>Сохранять весь штрихкод в файле данных</translation>
    </message>
    <message>
        <source>Check leading code</source>
        <translation>Проверять начальный код</translation>
    </message>
    <message>
        <source>Check digit verification</source>
        <translation>Проверка контрольной цифры</translation>
    </message>
    <message>
        <source>Check digit method</source>
        <translation>Способ проверки контрольной цифры</translation>
    </message>
    <message>
        <source>Start position :</source>
        <translation>Начальная позиция :</translation>
    </message>
    <message>
        <source>Maximum length :</source>
        <translation>Наибольшая длина :</translation>
    </message>
    <message>
        <source>Auto ENTER :</source>
        <translation>Авто ENTER :</translation>
    </message>
</context>
<context>
    <name>tessel::FormPage</name>
    <message>
        <source>Time Stamp</source>
        <translation>Метка времени</translation>
    </message>
    <message>
        <source>Branch</source>
        <translation>Переход</translation>
    </message>
    <message>
        <source>Print Label</source>
        <translation>Печать этикетки</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Имя :</translation>
    </message>
    <message>
        <source>Esc  :</source>
        <translation>Esc  :</translation>
    </message>
    <message>
        <source>Next :</source>
        <translation>Далее :</translation>
    </message>
    <message>
        <source>Lookup :</source>
        <translation>Справочник :</translation>
    </message>
    <message>
        <source>Record :</source>
        <translation>Запись :</translation>
    </message>
    <message>
        <source>if an error occured :</source>
        <translation>при ошибке :</translation>
    </message>
    <message>
        <source>Data type</source>
        <translation>Тип данных</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Input source</source>
        <translation>Источник ввода</translation>
    </message>
    <message>
        <source>Min length</source>
        <translation>Мин. длина</translation>
    </message>
    <message>
        <source>Max length</source>
        <translation>Макс. длина</translation>
    </message>
    <message>
        <source>more...</source>
        <translation>ещё...</translation>
    </message>
    <message>
        <source>Field %1, data type</source>
        <translation>Поле %1, тип данных</translation>
    </message>
    <message>
        <source>Field %1, prompt</source>
        <translation>Поле %1, подсказка</translation>
    </message>
    <message>
        <source>Field %1, input source</source>
        <translation>Поле %1, источник ввода</translation>
    </message>
    <message>
        <source>Field %1, min length</source>
        <translation>Поле %1, мин. длина</translation>
    </message>
    <message>
        <source>Field %1, max length</source>
        <translation>Поле %1, макс. длина</translation>
    </message>
    <message>
        <source>Field %1, link</source>
        <translation>Поле %1, связь</translation>
    </message>
    <message>
        <source>Field %1, more options</source>
        <translation>Поле %1, другие свойства</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Справочник</translation>
    </message>
    <message>
        <source>Variables</source>
        <translation>Переменные</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>Режим печати</translation>
    </message>
</context>
<context>
    <name>tessel::FunctionKeyDialog</name>
    <message>
        <source>Function %1 (FN+%1)  :</source>
        <translation>Функция %1 (FN+%1)  :</translation>
    </message>
</context>
<context>
    <name>tessel::GridDialog</name>
    <message>
        <source>The Grid Control</source>
        <translation>Таблица символов</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Resulting text :</source>
        <translation>Итоговый текст :</translation>
    </message>
</context>
<context>
    <name>tessel::LookupFieldPropertiesDialog</name>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Save field data</source>
        <translation>Сохранять данные поля</translation>
    </message>
    <message>
        <source>Fixed data length</source>
        <translation>Фиксированная длина данных</translation>
    </message>
    <message>
        <source>Add prefix code</source>
        <translation>Добавить префикс</translation>
    </message>
    <message>
        <source>Add suffix code</source>
        <translation>Добавить суффикс</translation>
    </message>
    <message>
        <source>Form # %1</source>
        <translation>Форма № %1</translation>
    </message>
    <message>
        <source>Line # %1</source>
        <translation>Строка № %1</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Выравнивание</translation>
    </message>
</context>
<context>
    <name>tessel::LookupPage</name>
    <message>
        <source>Field property</source>
        <translation>Свойство полей</translation>
    </message>
    <message>
        <source>Fixed length </source>
        <translation>Фиксированная длина </translation>
    </message>
    <message>
        <source>Delimiter </source>
        <translation>Разделитель </translation>
    </message>
    <message>
        <source>Delimiter code (ASCII)</source>
        <translation>Код разделителя (ASCII)</translation>
    </message>
    <message>
        <source>(ASCII)</source>
        <translation>(ASCII)</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Имя :</translation>
    </message>
    <message>
        <source>Member length :</source>
        <translation>Длина записи :</translation>
    </message>
    <message>
        <source>Number of fields :</source>
        <translation>Число полей :</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Смещение</translation>
    </message>
    <message>
        <source>Key field</source>
        <translation>Ключевое поле</translation>
    </message>
    <message>
        <source>Field %1, offset</source>
        <translation>Поле %1, смещение</translation>
    </message>
    <message>
        <source>Field %1, length</source>
        <translation>Поле %1, длина</translation>
    </message>
    <message>
        <source>Field %1, key field</source>
        <translation>Поле %1, ключевое поле</translation>
    </message>
    <message>
        <source>Only read data once</source>
        <translation>Читать данные только один раз</translation>
    </message>
    <message>
        <source>Lookup data can be uploaded</source>
        <translation>Данные справочника можно выгружать</translation>
    </message>
    <message>
        <source>Permit negative remains</source>
        <translation>Разрешить отрицательные остатки</translation>
    </message>
    <message>
        <source>Delete if null value</source>
        <translation>Удалять при нулевом значении</translation>
    </message>
    <message>
        <source>Create lookup on SD-card</source>
        <translation>Создавать справочник на SD-карте</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Action when the format of record is wrong :</source>
        <translation>Действие при неверном формате записи :</translation>
    </message>
    <message>
        <source>Action when the input data has no match :</source>
        <translation>Действие, если введённым данным нет соответствия :</translation>
    </message>
</context>
<context>
    <name>tessel::MenuPage</name>
    <message>
        <source>Save the collected data for each form to separate data files.</source>
        <translation>Сохранять собранные данные каждой формы в отдельный файл данных.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Menu caption :</source>
        <translation>Заголовок меню :</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Имя :</translation>
    </message>
    <message>
        <source>Esc :</source>
        <translation>Esc :</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Данные</translation>
    </message>
    <message>
        <source>Save caption</source>
        <translation>Сохранять заголовок</translation>
    </message>
    <message>
        <source>Save selected item</source>
        <translation>Сохранять выбранный пункт</translation>
    </message>
    <message>
        <source>Pass down</source>
        <translation>Передавать дальше</translation>
    </message>
    <message>
        <source>Item Name</source>
        <translation>Название пункта</translation>
    </message>
    <message>
        <source>Item %1, name</source>
        <translation>Пункт %1, название</translation>
    </message>
    <message>
        <source>Item %1, next</source>
        <translation>Пункт %1, далее</translation>
    </message>
    <message>
        <source>Next :</source>
        <translation>Далее :</translation>
    </message>
</context>
<context>
    <name>tessel::OptionDialog</name>
    <message>
        <source>Text:</source>
        <translation>Текст:</translation>
    </message>
    <message>
        <source>ASCII:</source>
        <translation>ASCII:</translation>
    </message>
</context>
<context>
    <name>tessel::PlaceholderPage</name>
    <message>
        <source>The %1 page is not available in this version.</source>
        <translation>Страница «%1» в этой версии недоступна.</translation>
    </message>
</context>
<context>
    <name>tessel::PrinterDialog</name>
    <message>
        <source>Printer settings</source>
        <translation>Параметры печати</translation>
    </message>
    <message>
        <source>Line #</source>
        <translation>Строка №</translation>
    </message>
    <message>
        <source>Printing method:</source>
        <translation>Способ печати:</translation>
    </message>
    <message>
        <source>Mode bluetooth:</source>
        <translation>Режим Bluetooth:</translation>
    </message>
    <message>
        <source>Print quantity:</source>
        <translation>Количество копий:</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Постоянное</translation>
    </message>
    <message>
        <source>From the form</source>
        <translation>Из формы</translation>
    </message>
    <message>
        <source>Data to print</source>
        <translation>Данные для печати</translation>
    </message>
    <message>
        <source>%1 variable:</source>
        <translation>Переменная %1:</translation>
    </message>
</context>
<context>
    <name>tessel::RemainsDialog</name>
    <message>
        <source>Properties filter remains</source>
        <translation>Свойства фильтра остатков</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Filter is suffix:</source>
        <translation>Фильтр — суффикс:</translation>
    </message>
    <message>
        <source>Filter for:</source>
        <translation>Фильтр для:</translation>
    </message>
    <message>
        <source>Field DB:</source>
        <translation>Поле справочника:</translation>
    </message>
</context>
<context>
    <name>tessel::SecurityDialogModel</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Edit Data</source>
        <translation>Правка данных</translation>
    </message>
    <message>
        <source>Delete Data</source>
        <translation>Удаление данных</translation>
    </message>
    <message>
        <source>Set Date/Time</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>Load Application</source>
        <translation>Загрузка приложения</translation>
    </message>
    <message>
        <source>Load Lookup File</source>
        <translation>Загрузка справочника</translation>
    </message>
    <message>
        <source>Upload Port</source>
        <translation>Порт выгрузки</translation>
    </message>
    <message>
        <source>Download Port</source>
        <translation>Порт загрузки</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Скорость обмена</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Подсветка</translation>
    </message>
    <message>
        <source>Data Deletion</source>
        <translation>Удаление данных после выгрузки</translation>
    </message>
    <message>
        <source>Entry Options</source>
        <translation>Параметры ввода</translation>
    </message>
    <message>
        <source>Key Click</source>
        <translation>Звук клавиш</translation>
    </message>
    <message>
        <source>Barcode Good Read</source>
        <translation>Сигнал удачного чтения</translation>
    </message>
    <message>
        <source>Warning Beep</source>
        <translation>Сигнал ошибки</translation>
    </message>
</context>
<context>
    <name>tessel::SettingsPage</name>
    <message>
        <source>1.  Upload Port</source>
        <translation>1.  Порт выгрузки</translation>
    </message>
    <message>
        <source>Upload phone number</source>
        <translation>Телефон для выгрузки</translation>
    </message>
    <message>
        <source>2.  Download Port</source>
        <translation>2.  Порт загрузки</translation>
    </message>
    <message>
        <source>Download phone number</source>
        <translation>Телефон для загрузки</translation>
    </message>
    <message>
        <source>3.  Modem Speed</source>
        <translation>3.  Скорость модема</translation>
    </message>
    <message>
        <source>4.  Baud Rate</source>
        <translation>4.  Скорость обмена</translation>
    </message>
    <message>
        <source>5.  Backlight</source>
        <translation>5.  Подсветка</translation>
    </message>
    <message>
        <source>x 10 sec</source>
        <translation>x 10 с</translation>
    </message>
    <message>
        <source>6.  Data Deletion</source>
        <translation>6.  Удаление данных после выгрузки</translation>
    </message>
    <message>
        <source>7.  Entry Options</source>
        <translation>7.  Параметры ввода</translation>
    </message>
    <message>
        <source>Press any key to continue</source>
        <translation>Продолжать по нажатию клавиши</translation>
    </message>
    <message>
        <source>Prompt duration</source>
        <translation>Время показа подсказки</translation>
    </message>
    <message>
        <source>x 100 ms</source>
        <translation>x 100 мс</translation>
    </message>
    <message>
        <source>8.  Key Click</source>
        <translation>8.  Звук клавиш</translation>
    </message>
    <message>
        <source>9.  Barcode Good Read</source>
        <translation>9.  Сигнал удачного чтения</translation>
    </message>
    <message>
        <source>10. Warning Beep</source>
        <translation>10. Сигнал ошибки</translation>
    </message>
    <message>
        <source>11. Vibrator Duration</source>
        <translation>11. Длительность вибрации</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
</context>
<context>
    <name>tessel::SettingsPageModel</name>
    <message>
        <source>Turn off</source>
        <translation>Выключать</translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation>Не выключать</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>No prompt</source>
        <translation>Без подсказки</translation>
    </message>
    <message>
        <source>Show count</source>
        <translation>Показывать число</translation>
    </message>
    <message>
        <source>Show record</source>
        <translation>Показывать запись</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
</context>
<context>
    <name>tessel::StampDialog</name>
    <message>
        <source>Date &amp; Time Stamp settings</source>
        <translation>Параметры метки даты и времени</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Разделитель</translation>
    </message>
    <message>
        <source>Date Style :</source>
        <translation>Порядок даты :</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Минута</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Секунда</translation>
    </message>
    <message>
        <source>Date &amp;&amp; Time Stamp :</source>
        <translation>Метка даты и времени :</translation>
    </message>
    <message>
        <source>Separate DATE stamp and TIME stamp to two fields.</source>
        <translation>Записывать ДАТУ и ВРЕМЯ в два отдельных поля.</translation>
    </message>
    <message>
        <source>Date Format : %1</source>
        <translation>Формат даты : %1</translation>
    </message>
    <message>
        <source>Time Format : %1</source>
        <translation>Формат времени : %1</translation>
    </message>
</context>
<context>
    <name>tessel::StampDialogModel</name>
    <message>
        <source>Year.Month.Day</source>
        <translation>Год.Месяц.День</translation>
    </message>
    <message>
        <source>Month.Day.Year</source>
        <translation>Месяц.День.Год</translation>
    </message>
    <message>
        <source>Day.Month.Year</source>
        <translation>День.Месяц.Год</translation>
    </message>
</context>
<context>
    <name>tessel::StartupPage</name>
    <message>
        <source>Data Field Delimiter</source>
        <translation>Разделитель полей данных</translation>
    </message>
    <message>
        <source>Number of Delimiter :</source>
        <translation>Число разделителей :</translation>
    </message>
    <message>
        <source>ASCII :</source>
        <translation>ASCII :</translation>
    </message>
    <message>
        <source>Text :</source>
        <translation>Текст :</translation>
    </message>
    <message>
        <source>Delimiter %1, ASCII</source>
        <translation>Разделитель %1, ASCII</translation>
    </message>
    <message>
        <source>Delimiter %1, text</source>
        <translation>Разделитель %1, текст</translation>
    </message>
    <message>
        <source>Import Prompts and Messages ...</source>
        <translation>Импорт подсказок и сообщений ...</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Program start from :</source>
        <translation>Программа начинается с :</translation>
    </message>
    <message>
        <source>Redefine Prompts and Messages :</source>
        <translation>Изменить подсказки и сообщения :</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Строка %1</translation>
    </message>
</context>
<context>
    <name>tessel::SummationDialog</name>
    <message>
        <source>Properties summation</source>
        <translation>Свойства суммирования</translation>
    </message>
    <message>
        <source>And multiply by field:</source>
        <translation>И умножать на поле:</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Источник:</translation>
    </message>
    <message>
        <source>Summation by field:</source>
        <translation>Суммировать по полю:</translation>
    </message>
</context>
<context>
    <name>tessel::link::Advice</name>
    <message>
        <source>Nothing answered %1 on %2 at %3 bit/s, sent %4 times.</source>
        <translation>Нет ответа на %1 через %2 на скорости %3 бит/с, отправлено %4 раз.</translation>
    </message>
    <message>
        <source>Check that the terminal shows its upload screen and is ready to send.</source>
        <translation>Проверьте, что на терминале открыт экран передачи данных и он готов передавать.</translation>
    </message>
    <message>
        <source>Check that the terminal shows its download screen and is ready to receive.</source>
        <translation>Проверьте, что на терминале открыт экран загрузки и он готов принимать.</translation>
    </message>
    <message>
        <source>Check that the terminal sits in the cradle and the cradle is on this port, and that both sides use %1 bit/s.</source>
        <translation>Проверьте, что терминал стоит в подставке, подставка подключена к этому порту и обе стороны работают на скорости %1 бит/с.</translation>
    </message>
    <message>
        <source>Check the cable or the wireless link to this port, and that both sides use %1 bit/s.</source>
        <translation>Проверьте кабель или беспроводную связь с этим портом и что обе стороны работают на скорости %1 бит/с.</translation>
    </message>
    <message>
        <source>You have no permission to use %1.</source>
        <translation>Нет прав на использование %1.</translation>
    </message>
    <message>
        <source>Add yourself to the group %1 that owns it (sudo usermod -aG %1 $USER), then log out and in again.</source>
        <translation>Добавьте себя в группу %1, которой принадлежит порт (sudo usermod -aG %1 $USER), затем выйдите из системы и войдите снова.</translation>
    </message>
    <message>
        <source>%1 does not exist (any more). Is the device plugged in?</source>
        <translation>%1 не существует (больше). Устройство подключено?</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 занят другой программой.</translation>
    </message>
    <message>
        <source>It is held by %1 (process %2): close it.</source>
        <translation>Его держит %1 (процесс %2): закройте эту программу.</translation>
    </message>
    <message>
        <source>Close the program that uses it; &quot;fuser -v %1&quot; names it.</source>
        <translation>Закройте программу, которая его использует; её покажет «fuser -v %1».</translation>
    </message>
    <message>
        <source>The port %1 chosen in the preferences is not there any more.</source>
        <translation>Порта %1, выбранного в настройках, больше нет.</translation>
    </message>
    <message>
        <source>Plug the device in again, or choose another port.</source>
        <translation>Подключите устройство снова или выберите другой порт.</translation>
    </message>
    <message>
        <source>%1 is a pseudo-terminal (a simulated terminal, for example), which has no RTS line to set up a cradle with.</source>
        <translation>%1 — псевдотерминал (например, имитируемый терминал): у него нет линии RTS, чтобы настроить подставку.</translation>
    </message>
    <message>
        <source>Use cable or Bluetooth for it (--via bluetooth for any family, --via cable for the 4130 group; Bluetooth SPP or a cable in the preferences).</source>
        <translation>Используйте для него кабель или Bluetooth (--via bluetooth для любого семейства, --via cable для группы 4130; Bluetooth SPP или кабель в настройках).</translation>
    </message>
</context>
<context>
    <name>tessel::ui::AboutBox</name>
    <message>
        <source>About Tessel Studio</source>
        <translation>О программе Tessel Studio</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
</context>
<context>
    <name>tessel::ui::DesignCheckWindow</name>
    <message>
        <source>Check Design</source>
        <translation>Проверка проекта</translation>
    </message>
    <message>
        <source>The design has no mistakes the checks know of.</source>
        <translation>В проекте нет известных проверкам ошибок.</translation>
    </message>
    <message>
        <source>The design has mistakes the terminal would run into. Double-click one to mend it.</source>
        <translation>В проекте есть ошибки, на которые наткнётся терминал. Дважды щёлкните по ошибке, чтобы исправить её.</translation>
    </message>
    <message>
        <source>Double-click a finding, or choose it and press Open, to mend it on its page.</source>
        <translation>Дважды щёлкните по находке или выберите её и нажмите «Открыть», чтобы исправить её на её странице.</translation>
    </message>
    <message>
        <source>Download anyway</source>
        <translation>Всё равно загрузить</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>tessel::ui::DesignPreviewPane</name>
    <message>
        <source>Sample record:</source>
        <translation>Пример записи:</translation>
    </message>
    <message>
        <source>The line a receive writes when the form is completed with sample data</source>
        <translation>Строка, которую запишет приём, если форму заполнить примерными данными</translation>
    </message>
    <message>
        <source>Terminal screen:</source>
        <translation>Экран терминала:</translation>
    </message>
</context>
<context>
    <name>tessel::ui::MainWindow</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Без имени</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Сохранено: %1</translation>
    </message>
</context>
<context>
    <name>tessel::ui::PreferencesDialog</name>
    <message>
        <source>TESSEL/4130 Preferences</source>
        <translation>Настройки TESSEL/4130</translation>
    </message>
    <message>
        <source>De&amp;tect Cradle</source>
        <translation>&amp;Найти подставку</translation>
    </message>
    <message>
        <source>&amp;Auto-preload the last editing file.</source>
        <translation>&amp;Открывать последний файл при запуске</translation>
    </message>
    <message>
        <source>Always &amp;on top.</source>
        <translation>Поверх &amp;всех окон</translation>
    </message>
    <message>
        <source>&amp;Language :</source>
        <translation>&amp;Язык :</translation>
    </message>
    <message>
        <source>&amp;Download via :</source>
        <translation>&amp;Загрузка через :</translation>
    </message>
    <message>
        <source>&amp;Receive data via :</source>
        <translation>&amp;Приём данных через :</translation>
    </message>
    <message>
        <source>&amp;COM port :</source>
        <translation>&amp;COM-порт :</translation>
    </message>
    <message>
        <source>&amp;Baud rate :</source>
        <translation>С&amp;корость :</translation>
    </message>
    <message>
        <source>Type a device path such as /dev/rfcomm0, or choose a listed port.</source>
        <translation>Введите путь к устройству, например /dev/rfcomm0, или выберите порт из списка.</translation>
    </message>
    <message>
        <source>Choose a port or type a device path</source>
        <translation>Выберите порт или введите путь к устройству</translation>
    </message>
    <message>
        <source>A new language applies at once to the menu and to every window opened afterwards.</source>
        <translation>Новый язык сразу применяется к меню и ко всем окнам, открытым после этого.</translation>
    </message>
</context>
<context>
    <name>tessel::ui::ProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Остановка…</translation>
    </message>
    <message>
        <source>Setting up the infrared cradle on %1…</source>
        <translation>Настройка инфракрасной подставки на %1…</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>Открытие %1…</translation>
    </message>
    <message>
        <source>Waiting for the terminal on %1…</source>
        <translation>Ожидание терминала на %1…</translation>
    </message>
    <message>
        <source>Asked again %1 of %2 times.</source>
        <translation>Повторный запрос: %1 из %2.</translation>
    </message>
</context>
<context>
    <name>tessel::ui::RecordsWindow</name>
    <message>
        <source>Collected Records</source>
        <translation>Собранные записи</translation>
    </message>
    <message>
        <source>Collected records</source>
        <translation>Собранные записи</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Очистить</translation>
    </message>
    <message>
        <source>Records collected since the start: %1</source>
        <translation>Собрано записей с начала: %1</translation>
    </message>
</context>
<context>
    <name>tessel::ui::ScanWindow</name>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Сканировать</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Сканер</translation>
    </message>
    <message>
        <source>Symbology</source>
        <translation>Символика</translation>
    </message>
    <message>
        <source>Barcode data</source>
        <translation>Данные штрихкода</translation>
    </message>
    <message>
        <source>Barcode data, %1D for the EAN128 separator</source>
        <translation>Данные штрихкода, %1D — разделитель EAN128</translation>
    </message>
    <message>
        <source>Recent scans</source>
        <translation>Последние сканирования</translation>
    </message>
    <message>
        <source>Scan from &amp;Picture...</source>
        <translation>Сканировать с &amp;картинки...</translation>
    </message>
    <message>
        <source>Recent scans (double-click to scan again):</source>
        <translation>Последние сканирования (двойной щелчок — сканировать снова):</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>В буфере обмена нет картинки.</translation>
    </message>
    <message>
        <source>Scanner...</source>
        <translation>Сканер...</translation>
    </message>
    <message>
        <source>Scan from Picture...</source>
        <translation>Сканировать с картинки...</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Картинки</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>The picture is too large to read.</source>
        <translation>Картинка слишком велика, чтобы её прочитать.</translation>
    </message>
    <message>
        <source>Scan from Picture</source>
        <translation>Сканирование с картинки</translation>
    </message>
    <message>
        <source>The picture shows %1 barcodes: double-click the one to scan.</source>
        <translation>На картинке %1 штрихкода(ов): дважды щёлкните по тому, который нужно сканировать.</translation>
    </message>
</context>
<context>
    <name>tessel::ui::SimulatorDataCommands</name>
    <message>
        <source>Load Lookup Data</source>
        <translation>Загрузить данные справочника</translation>
    </message>
    <message>
        <source>Cannot read the file:</source>
        <translation>Не удаётся прочитать файл:</translation>
    </message>
</context>
<context>
    <name>tessel::ui::TransferCommands</name>
    <message>
        <source>No program of this desktop could show the received data. It is in:
%1</source>
        <translation>Ни одна программа не смогла показать принятые данные. Они сохранены в файле:
%1</translation>
    </message>
</context>
</TS>
