<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ACLRLibrary</name>
    <message>
        <source>The ACLR library aclr_core cannot be loaded: %1</source>
        <translation>Библиотеку ACLR aclr_core не удаётся загрузить: %1</translation>
    </message>
</context>
<context>
    <name>ACLRSettingForm</name>
    <message>
        <source>Adjacent Offset</source>
        <translation>Отстройка соседнего</translation>
    </message>
    <message>
        <source>Adjacent Bandwidth</source>
        <translation>Полоса соседнего</translation>
    </message>
    <message>
        <source>Alternate Offset</source>
        <translation>Отстройка второго</translation>
    </message>
    <message>
        <source>Alternate Bandwidth</source>
        <translation>Полоса второго</translation>
    </message>
    <message>
        <source>Carrier Bandwidth</source>
        <translation>Полоса несущей</translation>
    </message>
    <message>
        <source>CC%1 Offset</source>
        <translation>Отстройка CC%1</translation>
    </message>
    <message>
        <source>CC%1 Bandwidth</source>
        <translation>Полоса CC%1</translation>
    </message>
    <message>
        <source>CC%1 Spacing</source>
        <translation>Разнос поднесущих CC%1</translation>
    </message>
    <message>
        <source>Channel Bandwidth</source>
        <translation>Ширина канала</translation>
    </message>
    <message>
        <source>Subcarrier Spacing</source>
        <translation>Разнос поднесущих</translation>
    </message>
    <message>
        <source>Carrier Offset</source>
        <translation>Отстройка несущей</translation>
    </message>
</context>
<context>
    <name>Device</name>
    <message>
        <source>Disconnected</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>%1 lacks: %2</source>
        <translation>В %1 нет функций: %2</translation>
    </message>
    <message>
        <source>Set Source Settings Error, status:</source>
        <translation>Ошибка установки настроек источника, статус:</translation>
    </message>
    <message>
        <source>, reconnect to the instrument and reduce the number of requested points.</source>
        <translation>, переподключитесь к прибору и уменьшите количество запрашиваемых точек.</translation>
    </message>
    <message>
        <source>The compensation file %1 cannot be used: %2</source>
        <translation>Файл компенсации %1 нельзя использовать: %2</translation>
    </message>
</context>
<context>
    <name>DisplayConstellationDiagramm</name>
    <message>
        <source>Constellation Diagram</source>
        <translation>Созвездие</translation>
    </message>
    <message>
        <source>I - channel (V)</source>
        <translation>Канал I (В)</translation>
    </message>
    <message>
        <source>Q - channel (V)</source>
        <translation>Канал Q (В)</translation>
    </message>
</context>
<context>
    <name>DisplayEvm</name>
    <message>
        <source>Error Vector Time</source>
        <translation>Вектор ошибки от времени</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Символы</translation>
    </message>
    <message>
        <source>Evm (%)</source>
        <translation>EVM (%)</translation>
    </message>
</context>
<context>
    <name>DisplayFileInfo</name>
    <message>
        <source>Property</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Слои</translation>
    </message>
    <message>
        <source>Samples per layer</source>
        <translation>Отсчётов в слое</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Пик</translation>
    </message>
    <message>
        <source>RMS</source>
        <translation>СКЗ</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Частота дискретизации</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
</context>
<context>
    <name>DisplayGraphicSignal</name>
    <message>
        <source>Layer %1</source>
        <translation>Слой %1</translation>
    </message>
    <message>
        <source>Overload!</source>
        <translation>Перегрузка!</translation>
    </message>
    <message>
        <source>Start - </source>
        <translation>Начало - </translation>
    </message>
    <message>
        <source>Width - </source>
        <translation>Ширина - </translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Символы</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Точки</translation>
    </message>
    <message>
        <source>Time (ms)</source>
        <translation>Время (мс)</translation>
    </message>
    <message>
        <source>Stop - </source>
        <translation>Конец - </translation>
    </message>
    <message>
        <source>Add Marker</source>
        <translation>Добавить маркер</translation>
    </message>
</context>
<context>
    <name>DisplayITime</name>
    <message>
        <source>I Time</source>
        <translation>I от времени</translation>
    </message>
    <message>
        <source>Time (ms)</source>
        <translation>Время (мс)</translation>
    </message>
    <message>
        <source>I - channel (V)</source>
        <translation>Канал I (В)</translation>
    </message>
</context>
<context>
    <name>DisplayPowerDiagram</name>
    <message>
        <source>Power</source>
        <translation>Мощность</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Точки</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Символы</translation>
    </message>
    <message>
        <source>Power (dBm)</source>
        <translation>Мощность (дБм)</translation>
    </message>
</context>
<context>
    <name>DisplayQTime</name>
    <message>
        <source>Q Time</source>
        <translation>Q от времени</translation>
    </message>
    <message>
        <source>Time (ms)</source>
        <translation>Время (мс)</translation>
    </message>
    <message>
        <source>Q - channel (V)</source>
        <translation>Канал Q (В)</translation>
    </message>
</context>
<context>
    <name>DisplayFrequency</name>
    <message>
        <source>Spectrum</source>
        <translation>Спектр</translation>
    </message>
    <message>
        <source>Amplitude (dBm)</source>
        <translation>Амплитуда (дБм)</translation>
    </message>
    <message>
        <source>RBW: %1</source>
        <translation>ПРФ: %1</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
    <message>
        <source>Span: %1</source>
        <translation>Обзор: %1</translation>
    </message>
    <message>
        <source>Frequency (%1Hz)</source>
        <translation>Частота (%1Гц)</translation>
    </message>
</context>
<context>
    <name>DisplayFrequencyACLR</name>
    <message>
        <source>outside band</source>
        <translation>вне полосы</translation>
    </message>
    <message>
        <source>%1 dBm</source>
        <translation>%1 дБм</translation>
    </message>
    <message>
        <source>%1 dBc</source>
        <translation>%1 дБн</translation>
    </message>
</context>
<context>
    <name>DisplayVectorDiagramm</name>
    <message>
        <source>Vector Diagram</source>
        <translation>Векторная диаграмма</translation>
    </message>
    <message>
        <source>I - channel (V)</source>
        <translation>Канал I (В)</translation>
    </message>
    <message>
        <source>Q - channel (V)</source>
        <translation>Канал Q (В)</translation>
    </message>
    <message>
        <source>Show Only Reference Points</source>
        <translation>Только опорные точки</translation>
    </message>
    <message>
        <source>Show Full Mode</source>
        <translation>Полный режим</translation>
    </message>
</context>
<context>
    <name>DisplayWaterfall</name>
    <message>
        <source>Spectrogram</source>
        <translation>Спектрограмма</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Частота (МГц)</translation>
    </message>
    <message>
        <source> dB</source>
        <translation> дБ</translation>
    </message>
    <message>
        <source>Frequency (%1Hz)</source>
        <translation>Частота (%1Гц)</translation>
    </message>
    <message>
        <source>Time (frames)</source>
        <translation>Время (кадры)</translation>
    </message>
    <message>
        <source>Time (%1s)</source>
        <translation>Время (%1с)</translation>
    </message>
</context>
<context>
    <name>FSK_IQ_Table</name>
    <message>
        <source>Symbol</source>
        <translation>Символ</translation>
    </message>
    <message>
        <source>Freq(kHz)</source>
        <translation>Част. (кГц)</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
</context>
<context>
    <name>FilterChain</name>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>r.nyquist</source>
        <translation>корень
найквиста</translation>
    </message>
    <message>
        <source>nyquist</source>
        <translation>найквист</translation>
    </message>
    <message>
        <source>Nyquist</source>
        <translation>Найквист</translation>
    </message>
    <message>
        <source>R.Nyquist</source>
        <translation>Корень
Найквиста</translation>
    </message>
    <message>
        <source>Gaussian</source>
        <translation>Гауссов</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Прямоугольный</translation>
    </message>
    <message>
        <source>Lowpass</source>
        <translation>ФНЧ</translation>
    </message>
    <message>
        <source>UserFilter</source>
        <translation>Пользов. фильтр</translation>
    </message>
    <message>
        <source>NotFilter</source>
        <translation>Без фильтра</translation>
    </message>
</context>
<context>
    <name>FrameGraphicSignal</name>
    <message>
        <source>Drag onto another frame to show this graphic there</source>
        <translation>Перетащите на другой кадр, чтобы показать там этот график</translation>
    </message>
    <message>
        <source>Frame settings</source>
        <translation>Настройки кадра</translation>
    </message>
    <message>
        <source>Frame menu</source>
        <translation>Меню кадра</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Нет данных</translation>
    </message>
    <message>
        <source>Change Graphic</source>
        <translation>Сменить график</translation>
    </message>
    <message>
        <source>Separate window</source>
        <translation>Отдельное окно</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>FrameSettingsPanel</name>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Бирюзовый</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Оранжевый</translation>
    </message>
    <message>
        <source>No effect</source>
        <translation>Без эффекта</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Затухание</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>Спектрограмма</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Десятичный</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Шестнадцатеричный</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Двоичный</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Эффект</translation>
    </message>
    <message>
        <source>Averaging</source>
        <translation>Усреднение</translation>
    </message>
    <message>
        <source>Y Maximum</source>
        <translation>Максимум Y</translation>
    </message>
    <message>
        <source>Y Minimum</source>
        <translation>Минимум Y</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Слой</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
</context>
<context>
    <name>GraphicCatalogue</name>
    <message>
        <source>I Time</source>
        <translation>I от времени</translation>
    </message>
    <message>
        <source>Q Time</source>
        <translation>Q от времени</translation>
    </message>
    <message>
        <source>Vector Diagram</source>
        <translation>Векторная диаграмма</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>Спектр</translation>
    </message>
    <message>
        <source>Time Plan</source>
        <translation>Временной план</translation>
    </message>
    <message>
        <source>Constellation Diagram</source>
        <translation>Созвездие</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Мощность</translation>
    </message>
    <message>
        <source>Error Summary Data</source>
        <translation>Сводка ошибок</translation>
    </message>
    <message>
        <source>Symbol Data</source>
        <translation>Символы</translation>
    </message>
    <message>
        <source>Summary Data</source>
        <translation>Сводные данные</translation>
    </message>
    <message>
        <source>Decoded Symbols</source>
        <translation>Декодированные символы</translation>
    </message>
    <message>
        <source>Frame Summary</source>
        <translation>Сводка кадра</translation>
    </message>
    <message>
        <source>Error Vector Time</source>
        <translation>Вектор ошибки от времени</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Сведения о файле</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Нет данных</translation>
    </message>
</context>
<context>
    <name>GraphicSignal</name>
    <message>
        <source>No Data</source>
        <translation>Нет данных</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs an analysis that this mode does not offer yet.</source>
        <translation>Для графика «%1» нужен анализ, которого в этом режиме пока нет.</translation>
    </message>
</context>
<context>
    <name>GuiACLRResult</name>
    <message>
        <source>outside band</source>
        <translation>вне полосы</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Прямоугольный</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Freq. Offset</source>
        <translation>Отстройка</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Полоса</translation>
    </message>
    <message>
        <source>Filter Type</source>
        <translation>Тип фильтра</translation>
    </message>
    <message>
        <source>Ref. Carrier</source>
        <translation>Опорная несущая</translation>
    </message>
    <message>
        <source>ACP (dBc)</source>
        <translation>ACP (дБн)</translation>
    </message>
    <message>
        <source>ACP (dBm)</source>
        <translation>ACP (дБм)</translation>
    </message>
</context>
<context>
    <name>GuiAnalysisSetting</name>
    <message>
        <source>Correct the whole signal at once</source>
        <translation>Корректировать весь сигнал сразу</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Частота дискретизации</translation>
    </message>
    <message>
        <source>Frequency Shift</source>
        <translation>Сдвиг частоты</translation>
    </message>
    <message>
        <source>Decimation</source>
        <translation>Децимация</translation>
    </message>
</context>
<context>
    <name>GuiConfigACLR</name>
    <message>
        <source>Config</source>
        <translation>Стандарт</translation>
    </message>
    <message>
        <source>Adjacent channels of the standard</source>
        <translation>Соседние каналы по стандарту</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Свои</translation>
    </message>
    <message>
        <source>Adjacent channels given here</source>
        <translation>Соседние каналы, заданные здесь</translation>
    </message>
    <message>
        <source>Carrier Config</source>
        <translation>Несущие</translation>
    </message>
    <message>
        <source>Carriers: %1</source>
        <translation>Несущие: %1</translation>
    </message>
</context>
<context>
    <name>GuiDeviceInfo</name>
    <message>
        <source>Searching...</source>
        <translation>Поиск...</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Список устройств</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Занят</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Свободен</translation>
    </message>
    <message>
        <source>No instrument found.</source>
        <translation>Приборы не найдены.</translation>
    </message>
    <message>
        <source>Connecting to %1 %2...</source>
        <translation>Подключение к %1 %2...</translation>
    </message>
</context>
<context>
    <name>GuiErrorData</name>
    <message>
        <source>Parameters</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Curr</source>
        <translation>Тек.</translation>
    </message>
    <message>
        <source>Aver</source>
        <translation>Сред.</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Ед.</translation>
    </message>
    <message>
        <source>EVM</source>
        <translation>EVM</translation>
    </message>
    <message>
        <source>EVM Peak</source>
        <translation>Пик EVM</translation>
    </message>
    <message>
        <source>Magnitude Error</source>
        <translation>Ошибка амплитуды</translation>
    </message>
    <message>
        <source>Phase Error</source>
        <translation>Ошибка фазы</translation>
    </message>
    <message>
        <source>Frequency Error</source>
        <translation>Ошибка частоты</translation>
    </message>
    <message>
        <source>MER</source>
        <translation>MER</translation>
    </message>
    <message>
        <source>IQ Offset</source>
        <translation>Смещение IQ</translation>
    </message>
    <message>
        <source>Gain Imbalance</source>
        <translation>Дисбаланс усиления</translation>
    </message>
    <message>
        <source>Quadrature Error</source>
        <translation>Ошибка квадратуры</translation>
    </message>
    <message>
        <source>SNR</source>
        <translation>ОСШ</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Символьная скорость</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Мощность</translation>
    </message>
</context>
<context>
    <name>GuiMenuMarkerData</name>
    <message>
        <source>Select Signal</source>
        <translation>Выбрать участок</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Стандартный</translation>
    </message>
    <message>
        <source>Occupied Bandwidth</source>
        <translation>Занимаемая полоса</translation>
    </message>
    <message>
        <source>Add Marker</source>
        <translation>Добавить маркер</translation>
    </message>
    <message>
        <source>Markers</source>
        <translation>Маркеры</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>- Channel Power</source>
        <translation>- Мощность в канале</translation>
    </message>
    <message>
        <source>+ Channel Power</source>
        <translation>+ Мощность в канале</translation>
    </message>
    <message>
        <source>- RMS</source>
        <translation>- СКЗ</translation>
    </message>
    <message>
        <source>+ RMS</source>
        <translation>+ СКЗ</translation>
    </message>
</context>
<context>
    <name>GuiParserACLR</name>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>ACLR Settings</source>
        <translation>Настройки ACLR</translation>
    </message>
    <message>
        <source>Measurement: %1</source>
        <translation>Измерение: %1</translation>
    </message>
</context>
<context>
    <name>GuiParserDM</name>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Nyquist</source>
        <translation>Найквист</translation>
    </message>
    <message>
        <source>Root Nyquist</source>
        <translation>Корень из Найквиста</translation>
    </message>
    <message>
        <source>Gaussian</source>
        <translation>Гауссов</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Прямоугольный</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользовательский</translation>
    </message>
    <message>
        <source>Lowpass</source>
        <translation>ФНЧ</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Модуляция</translation>
    </message>
    <message>
        <source>Symbol Coding</source>
        <translation>Кодирование символов</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Filter Parameter (α, BT)</source>
        <translation>Параметр фильтра (α, BT)</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Символьная скорость</translation>
    </message>
    <message>
        <source>Average the statistics</source>
        <translation>Усреднять статистику</translation>
    </message>
    <message>
        <source>Choose the modulation in the menu</source>
        <translation>Выбрать модуляцию в меню</translation>
    </message>
    <message>
        <source>Choose the symbol coding in the menu</source>
        <translation>Выбрать кодирование символов в меню</translation>
    </message>
    <message>
        <source>Choose the filter in the menu</source>
        <translation>Выбрать фильтр в меню</translation>
    </message>
    <message>
        <source>Demodulation</source>
        <translation>Демодуляция</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>The demodulator is told only the modulation&apos;s name, not this table: it decides QAM User symbols against the built-in eight points.</source>
        <translation>Демодулятор получает только название модуляции, но не эту таблицу: символы QAM User он определяет по встроенным восьми точкам.</translation>
    </message>
    <message>
        <source>The demodulator is told only the modulation&apos;s name, not this table: it demodulates FSK User as eight evenly spaced frequencies.</source>
        <translation>Демодулятор получает только название модуляции, но не эту таблицу: FSK User он демодулирует как восемь равноотстоящих частот.</translation>
    </message>
    <message>
        <source>The demodulator is told only the filter&apos;s name, not these coefficients: for the User filter it uses a plain lowpass over the signal band.</source>
        <translation>Демодулятор получает только название фильтра, но не эти коэффициенты: для пользовательского фильтра он применяет простой ФНЧ по полосе сигнала.</translation>
    </message>
    <message>
        <source>EVM %1 % (peak %2 %), MER %3 dB, frequency error %4 Hz, symbol rate %5 Hz</source>
        <translation>EVM %1 % (пик %2 %), MER %3 дБ, ошибка частоты %4 Гц, символьная скорость %5 Гц</translation>
    </message>
</context>
<context>
    <name>GuiParserPending</name>
    <message>
        <source>The %1 analysis is not available yet. This mode shows the recording&apos;s time, power and spectrum views and its file information only.</source>
        <translation>Анализ %1 пока недоступен. В этом режиме показываются только временные графики, мощность и спектр записи, а также сведения о файле.</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Measurement: %1</source>
        <translation>Измерение: %1</translation>
    </message>
</context>
<context>
    <name>GuiParserSignal</name>
    <message>
        <source>&amp;Open File...</source>
        <translation>&amp;Открыть файл...</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>Нет файла</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Open Signal</source>
        <translation>Открыть сигнал</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Сохранить как...</translation>
    </message>
    <message>
        <source>Save Signal</source>
        <translation>Сохранить сигнал</translation>
    </message>
</context>
<context>
    <name>GuiParserVecAnalysis</name>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Анализ</translation>
    </message>
</context>
<context>
    <name>GuiRawRatesDialog</name>
    <message>
        <source>Raw I/Q File</source>
        <translation>Файл I/Q без заголовка</translation>
    </message>
    <message>
        <source>%1 holds bare I/Q samples. At what rate were they taken, and around which centre frequency?</source>
        <translation>%1 содержит только отсчёты I/Q. С какой частотой дискретизации и на какой центральной частоте они записаны?</translation>
    </message>
    <message>
        <source>&amp;Sample rate:</source>
        <translation>&amp;Частота дискретизации:</translation>
    </message>
    <message>
        <source>&amp;Centre frequency:</source>
        <translation>&amp;Центральная частота:</translation>
    </message>
    <message>
        <source>Enter a number with a unit, e.g. &quot;2.4 MHz&quot;.</source>
        <translation>Введите число с единицей, например &quot;2.4 MHz&quot;.</translation>
    </message>
</context>
<context>
    <name>GuiSelectGrid</name>
    <message>
        <source>1 row</source>
        <translation>1 строка</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 строк</translation>
    </message>
    <message>
        <source>1 column</source>
        <translation>1 столбец</translation>
    </message>
    <message>
        <source>%1 columns</source>
        <translation>%1 столбцов</translation>
    </message>
</context>
<context>
    <name>GuiSourceSetting</name>
    <message>
        <source>Signal Source</source>
        <translation>Источник сигнала</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Vector Analysis</source>
        <translation>Векторный анализ</translation>
    </message>
    <message>
        <source>16-bit (single)</source>
        <translation>16 бит (одинарная)</translation>
    </message>
    <message>
        <source>64-bit float (double)</source>
        <translation>64 бит, плав. точка (двойная)</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Частота дискретизации</translation>
    </message>
    <message>
        <source>Carrier Frequency</source>
        <translation>Несущая частота</translation>
    </message>
    <message>
        <source>Reference Level</source>
        <translation>Опорный уровень</translation>
    </message>
    <message>
        <source>Read Samples As</source>
        <translation>Читать отсчёты как</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Прибор</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Number of Points</source>
        <translation>Количество точек</translation>
    </message>
    <message>
        <source>External Sync</source>
        <translation>Внешняя синхронизация</translation>
    </message>
    <message>
        <source>Input Compensation</source>
        <translation>Компенсация входа</translation>
    </message>
    <message>
        <source>Signal Analyzer</source>
        <translation>Анализатор сигналов</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Reset Values</source>
        <translation>Сбросить значения</translation>
    </message>
    <message>
        <source>Open s2p file</source>
        <translation>Открыть файл s2p</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>From %1 dBm to %2 dBm</source>
        <translation>От %1 дБм до %2 дБм</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Are you sure you want to reset your values to source file settings? If there are no settings in source file, the default values will be set.</source>
        <translation>Вы уверены, что хотите сбросить значения к настройкам исходного файла? Если в исходном файле нет настроек, будут установлены значения по умолчанию.</translation>
    </message>
    <message>
        <source>Touchstone S2P file(*.s2p);;CSV file(*.csv)</source>
        <translation>Файл Touchstone S2P(*.s2p);;Файл CSV(*.csv)</translation>
    </message>
</context>
<context>
    <name>GuiSymbolData</name>
    <message>
        <source>Save Symbols</source>
        <translation>Сохранить символы</translation>
    </message>
    <message>
        <source>Text files (*.txt);;CSV files (*.csv);;All files (*)</source>
        <translation>Текстовые файлы (*.txt);;Файлы CSV (*.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>Save Symbols...</source>
        <translation>Сохранить символы...</translation>
    </message>
</context>
<context>
    <name>IOSignal</name>
    <message>
        <source>Layers of different lengths cannot be written to one file.</source>
        <translation>Слои разной длины нельзя записать в один файл.</translation>
    </message>
    <message>
        <source>A .dat file holds at most %1 layers.</source>
        <translation>Файл .dat вмещает не более %1 слоёв.</translation>
    </message>
    <message>
        <source>Cannot write the file %1.</source>
        <translation>Не удаётся записать файл %1.</translation>
    </message>
    <message>
        <source>%1: cannot be opened (%2).</source>
        <translation>%1: не удаётся открыть (%2).</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2).</source>
        <translation>%1: не удаётся прочитать (%2).</translation>
    </message>
    <message>
        <source>no recording found.</source>
        <translation>запись не найдена.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>файл пуст.</translation>
    </message>
    <message>
        <source>cannot be read (%1).</source>
        <translation>не удаётся прочитать (%1).</translation>
    </message>
    <message>
        <source>no {WAVEFORM tag: the header is damaged or this is no waveform file.</source>
        <translation>нет тега {WAVEFORM: заголовок повреждён или это не файл сигнала.</translation>
    </message>
    <message>
        <source>no &quot;#&quot; behind the {WAVEFORM tag: the file ends inside its header.</source>
        <translation>нет «#» после тега {WAVEFORM: файл обрывается внутри заголовка.</translation>
    </message>
    <message>
        <source>the layer count &quot;%1&quot; is not a whole number of at least 1.</source>
        <translation>число слоёв «%1» не является целым числом не меньше 1.</translation>
    </message>
    <message>
        <source>the header names %1 layers but the file holds %2 samples.</source>
        <translation>в заголовке указано слоёв: %1, а в файле отсчётов: %2.</translation>
    </message>
    <message>
        <source>the file ends after %1 of the %2 samples its header announces; the samples present were read.</source>
        <translation>файл обрывается после %1 из %2 отсчётов, объявленных в заголовке; имеющиеся отсчёты прочитаны.</translation>
    </message>
    <message>
        <source>no whole sample (%1 bytes) behind the header.</source>
        <translation>после заголовка нет ни одного целого отсчёта (%1 байт).</translation>
    </message>
    <message>
        <source>%1 samples are more than one recording can hold.</source>
        <translation>%1 отсчётов — больше, чем вмещает одна запись.</translation>
    </message>
    <message>
        <source>the last %1 bytes do not make a whole sample and were left out.</source>
        <translation>последние %1 байт не составляют целого отсчёта и пропущены.</translation>
    </message>
    <message>
        <source>the .dat header names no layer.</source>
        <translation>в заголовке .dat не указано ни одного слоя.</translation>
    </message>
    <message>
        <source>the .dat header gives %1 samples per layer.</source>
        <translation>в заголовке .dat указано %1 отсчётов на слой.</translation>
    </message>
    <message>
        <source>the .dat header&apos;s peak (%1) is not a level.</source>
        <translation>пиковое значение в заголовке .dat (%1) не является уровнем.</translation>
    </message>
    <message>
        <source>shorter than the %1-byte .dat header.</source>
        <translation>короче заголовка .dat длиной %1 байт.</translation>
    </message>
    <message>
        <source>no whole sample behind the .dat header.</source>
        <translation>после заголовка .dat нет ни одного целого отсчёта.</translation>
    </message>
    <message>
        <source>the file holds %1 of the %2 samples its header promises; the read stopped at the end of the data.</source>
        <translation>в файле %1 из %2 отсчётов, обещанных заголовком; чтение остановлено в конце данных.</translation>
    </message>
    <message>
        <source>no line holds two numbers (I and Q) separated by blanks.</source>
        <translation>ни в одной строке нет двух чисел (I и Q), разделённых пробелами.</translation>
    </message>
    <message>
        <source>%1 of %2 lines skipped (%3).</source>
        <translation>пропущено строк: %1 из %2 (%3).</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Error Read File!</source>
        <translation>Ошибка чтения файла!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>no whole sample (%1 bytes) in the file.</source>
        <translation>в файле нет ни одного целого отсчёта (%1 байт).</translation>
    </message>
    <message>
        <source>a raw file does not say its sample rate, and none was given; %1 is assumed.</source>
        <translation>файл без заголовка не сообщает частоту дискретизации, и она не задана; принята %1.</translation>
    </message>
    <message>
        <source>the archive holds no .sigmf-meta file.</source>
        <translation>в архиве нет файла .sigmf-meta.</translation>
    </message>
    <message>
        <source>the archive holds no .sigmf-data file beside %1.</source>
        <translation>в архиве нет файла .sigmf-data рядом с %1.</translation>
    </message>
    <message>
        <source>its metadata %1 cannot be opened (%2).</source>
        <translation>не удаётся открыть его метаданные %1 (%2).</translation>
    </message>
    <message>
        <source>its data file %1 cannot be opened (%2).</source>
        <translation>не удаётся открыть его файл данных %1 (%2).</translation>
    </message>
    <message>
        <source>its data file %1 cannot be read (%2).</source>
        <translation>не удаётся прочитать его файл данных %1 (%2).</translation>
    </message>
    <message>
        <source>the metadata says the recording holds no samples (core:metadata_only).</source>
        <translation>по метаданным запись не содержит отсчётов (core:metadata_only).</translation>
    </message>
    <message>
        <source>global core:trailing_bytes (%1) is more than the %2 bytes of the data.</source>
        <translation>global core:trailing_bytes (%1) больше, чем %2 байт данных.</translation>
    </message>
    <message>
        <source>the metadata has no global core:sample_rate; %1 is assumed.</source>
        <translation>в метаданных нет global core:sample_rate; принята %1.</translation>
    </message>
    <message>
        <source>%1 (%2) lies before global core:offset (%3).</source>
        <translation>%1 (%2) меньше global core:offset (%3).</translation>
    </message>
    <message>
        <source>no whole sample in the data (%1 bytes; one sample of all channels is %2 bytes).</source>
        <translation>в данных нет ни одного целого отсчёта (%1 байт; отсчёт всех каналов занимает %2 байт).</translation>
    </message>
    <message>
        <source>the data file ends before %1 (%2): it is shorter than its metadata says; the samples present were read.</source>
        <translation>файл данных кончается раньше %1 (%2): он короче, чем сказано в метаданных; прочитаны имеющиеся отсчёты.</translation>
    </message>
    <message>
        <source>the last %1 bytes of the data do not make a whole sample and were left out.</source>
        <translation>последние %1 байт данных не составляют целого отсчёта и пропущены.</translation>
    </message>
    <message>
        <source>%1 starts at sample %2, behind the %3 samples of the data: the data file is shorter than its metadata says.</source>
        <translation>%1 начинается с отсчёта %2, за пределами %3 отсчётов данных: файл данных короче, чем сказано в метаданных.</translation>
    </message>
    <message>
        <source>%1 reaches sample %2, behind the %3 samples of the data: the data file is shorter than its metadata says; the annotation is cut at the end.</source>
        <translation>%1 доходит до отсчёта %2, за пределами %3 отсчётов данных: файл данных короче, чем сказано в метаданных; аннотация обрезана по концу.</translation>
    </message>
    <message>
        <source>%1 samples need %2 of memory, but only %3 are free: the recording is not read.</source>
        <translation>Для %1 отсчётов нужно %2 памяти, а свободно лишь %3: запись не прочитана.</translation>
    </message>
    <message>
        <source>the header names %1 layers; a recording holds at most %2.</source>
        <translation>число слоёв в заголовке: %1; в записи их может быть не более %2.</translation>
    </message>
    <message>
        <source>the metadata names %1 channels; a recording holds at most %2.</source>
        <translation>число каналов в метаданных: %1; в записи слоёв может быть не более %2.</translation>
    </message>
    <message>
        <source>A recording holds at most %1 layers.</source>
        <translation>Наибольшее число слоёв в записи: %1.</translation>
    </message>
    <message>
        <source>Cannot write the file %1 (%2); nothing was changed.</source>
        <translation>Не удаётся записать файл %1 (%2); ничего не изменено.</translation>
    </message>
</context>
<context>
    <name>IQ_Table</name>
    <message>
        <source>Symbol</source>
        <translation>Символ</translation>
    </message>
    <message>
        <source>Show or hide the table</source>
        <translation>Показать или скрыть таблицу</translation>
    </message>
    <message>
        <source>Add a row</source>
        <translation>Добавить строку</translation>
    </message>
    <message>
        <source>Remove the last row</source>
        <translation>Удалить последнюю строку</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Load the table from a file</source>
        <translation>Загрузить таблицу из файла</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save the table to a file</source>
        <translation>Сохранить таблицу в файл</translation>
    </message>
    <message>
        <source>Open User Customize</source>
        <translation>Открыть пользовательскую таблицу</translation>
    </message>
    <message>
        <source>Save User Customize</source>
        <translation>Сохранить пользовательскую таблицу</translation>
    </message>
</context>
<context>
    <name>LineVerticalZoom</name>
    <message>
        <source>Drag to move the upper or lower limit</source>
        <translation>Перетащите, чтобы сдвинуть верхнюю или нижнюю границу</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The default profile cannot be restored: %1</source>
        <translation>Профиль по умолчанию не удаётся восстановить: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>%1 %2
A workstation for the analysis of IQ recordings.</source>
        <translation>%1 %2
Рабочая станция для анализа IQ-записей.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
</context>
<context>
    <name>MarkerValue</name>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Бирюзовый</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Максимум</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Минимум</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Отображение</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Скрыть</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Точность</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Разряды</translation>
    </message>
    <message>
        <source>1 Hz</source>
        <translation>1 Гц</translation>
    </message>
    <message>
        <source>1 kHz</source>
        <translation>1 кГц</translation>
    </message>
    <message>
        <source>1 MHz</source>
        <translation>1 МГц</translation>
    </message>
    <message>
        <source>1 GHz</source>
        <translation>1 ГГц</translation>
    </message>
</context>
<context>
    <name>MarkersInfo</name>
    <message>
        <source>Drag to move the RMS stretch, drag an edge to resize it</source>
        <translation>Перетащите участок СКЗ или его край, чтобы изменить размер</translation>
    </message>
    <message>
        <source>Markers</source>
        <translation>Маркеры</translation>
    </message>
    <message>
        <source>Markers and measurements</source>
        <translation>Маркеры и измерения</translation>
    </message>
    <message>
        <source>Marker %1</source>
        <translation>Маркер %1</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Положение</translation>
    </message>
    <message>
        <source>POWER: </source>
        <translation>МОЩНОСТЬ: </translation>
    </message>
    <message>
        <source> dBm</source>
        <translation> дБм</translation>
    </message>
    <message>
        <source>RMS: </source>
        <translation>СКЗ: </translation>
    </message>
    <message>
        <source>OBW: </source>
        <translation>ЗП: </translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
</context>
<context>
    <name>ModeAnalysis</name>
    <message>
        <source>Vector Analysis</source>
        <translation>Векторный анализ</translation>
    </message>
    <message>
        <source>The vector-analysis mode holds no recording to analyse.</source>
        <translation>В режиме векторного анализа нет записи для анализа.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>The demo recording %1 is not available.</source>
        <translation>Демонстрационная запись %1 недоступна.</translation>
    </message>
    <message>
        <source>Error Connection</source>
        <translation>Ошибка соединения</translation>
    </message>
    <message>
        <source>Restart Connection?</source>
        <translation>Переподключиться?</translation>
    </message>
    <message>
        <source>Error Connection to Device!</source>
        <translation>Ошибка соединения с прибором!</translation>
    </message>
    <message>
        <source>Signal Analyzer</source>
        <translation>Анализатор сигналов</translation>
    </message>
    <message>
        <source>Connect to an instrument first: Source, Connect.</source>
        <translation>Сначала подключитесь к прибору: Источник, Подключить.</translation>
    </message>
</context>
<context>
    <name>ModePending</name>
    <message>
        <source>LTE</source>
        <translation>LTE</translation>
    </message>
    <message>
        <source>5G NR</source>
        <translation>5G NR</translation>
    </message>
</context>
<context>
    <name>ParamSignal</name>
    <message>
        <source>%1 &quot;%2&quot; is not a positive rate; %3 is used instead.</source>
        <translation>%1 «%2» не является положительной частотой; вместо неё используется %3.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a frequency; %3 is used instead.</source>
        <translation>%1 «%2» не является частотой; вместо неё используется %3.</translation>
    </message>
</context>
<context>
    <name>ParserACLR</name>
    <message>
        <source>The window holds %1 samples: the first %2 are measured.</source>
        <translation>В окне %1 отсчётов: измеряются первые %2.</translation>
    </message>
    <message>
        <source>The window is too short for a spectrum: nothing is measured.</source>
        <translation>Окно слишком коротко для спектра: измерения нет.</translation>
    </message>
    <message>
        <source>The carrier settings do not describe a channel of the standard: nothing is measured.</source>
        <translation>Настройки несущей не описывают канал стандарта: измерения нет.</translation>
    </message>
    <message>
        <source>The FFTW library is missing: nothing is measured.</source>
        <translation>Нет библиотеки FFTW: измерения нет.</translation>
    </message>
    <message>
        <source>Outside the recorded band, not measured: %1.</source>
        <translation>Вне записанной полосы, не измерены: %1.</translation>
    </message>
</context>
<context>
    <name>ParserDigitalModulation</name>
    <message>
        <source>Demodulation is unavailable: the library %1 could not be loaded (%2).</source>
        <translation>Демодуляция недоступна: не удаётся загрузить библиотеку %1 (%2).</translation>
    </message>
    <message>
        <source>Demodulation is unavailable: the library %1 lacks %2.</source>
        <translation>Демодуляция недоступна: в библиотеке %1 нет %2.</translation>
    </message>
    <message>
        <source>Error Signal. Change File.</source>
        <translation>Ошибочный сигнал. Смените файл.</translation>
    </message>
    <message>
        <source>High Symbol Rate. Reduce.</source>
        <translation>Слишком высокая символьная скорость. Уменьшите её.</translation>
    </message>
    <message>
        <source>Sample rate lower than Symbol rate.</source>
        <translation>Частота дискретизации ниже символьной скорости.</translation>
    </message>
    <message>
        <source>Too short signal. Change signal.</source>
        <translation>Слишком короткий сигнал. Смените сигнал.</translation>
    </message>
    <message>
        <source>Unknow Error.</source>
        <translation>Неизвестная ошибка.</translation>
    </message>
</context>
<context>
    <name>ProfileStore</name>
    <message>
        <source>The profile %1 is damaged and was not applied (line %2: %3).</source>
        <translation>Профиль %1 повреждён и не применён (строка %2: %3).</translation>
    </message>
    <message>
        <source>The profile %1 does not exist.</source>
        <translation>Профиль %1 не существует.</translation>
    </message>
    <message>
        <source>The profile %1 cannot be opened: %2.</source>
        <translation>Не удаётся открыть профиль %1: %2.</translation>
    </message>
    <message>
        <source>The profile %1 cannot be written: %2.</source>
        <translation>Не удаётся записать профиль %1: %2.</translation>
    </message>
</context>
<context>
    <name>RebornControllerGraphic</name>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Plots only: hide the control panel and the menu</source>
        <translation>Только графики: скрыть панель управления и меню</translation>
    </message>
    <message>
        <source>Play continuously</source>
        <translation>Непрерывное воспроизведение</translation>
    </message>
    <message>
        <source>Analyse one window</source>
        <translation>Анализ одного окна</translation>
    </message>
    <message>
        <source>Read from the instrument</source>
        <translation>Чтение с прибора</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Fewer frames per second</source>
        <translation>Меньше кадров в секунду</translation>
    </message>
    <message>
        <source>More frames per second</source>
        <translation>Больше кадров в секунду</translation>
    </message>
    <message>
        <source>Shorter window</source>
        <translation>Короче окно</translation>
    </message>
    <message>
        <source>Window length</source>
        <translation>Длина окна</translation>
    </message>
    <message>
        <source>Longer window</source>
        <translation>Длиннее окно</translation>
    </message>
    <message>
        <source>symbols</source>
        <translation>символов</translation>
    </message>
    <message>
        <source>subframes</source>
        <translation>подкадров</translation>
    </message>
    <message>
        <source>points</source>
        <translation>точек</translation>
    </message>
    <message>
        <source>%1 FPS</source>
        <translation>%1 кадр/с</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Слой</translation>
    </message>
    <message>
        <source>Layer %1</source>
        <translation>Слой %1</translation>
    </message>
    <message>
        <source>All layers</source>
        <translation>Все слои</translation>
    </message>
</context>
<context>
    <name>SelectionBarView</name>
    <message>
        <source>Drag the window, or use the arrow keys, to choose what is analysed</source>
        <translation>Перетащите окно или используйте клавиши со стрелками, чтобы выбрать анализируемый участок</translation>
    </message>
    <message>
        <source>Start %1   Width %2   Stop %3   of %4</source>
        <translation>Начало %1   Ширина %2   Конец %3   из %4</translation>
    </message>
    <message>
        <source>No signal</source>
        <translation>Нет сигнала</translation>
    </message>
</context>
<context>
    <name>SigmfArchive</name>
    <message>
        <source>the archive&apos;s header at byte %1 is damaged (its checksum does not match).</source>
        <translation>заголовок архива в байте %1 повреждён (контрольная сумма не совпадает).</translation>
    </message>
    <message>
        <source>the archive ends inside the member whose header is at byte %1.</source>
        <translation>архив обрывается внутри файла, заголовок которого в байте %1.</translation>
    </message>
</context>
<context>
    <name>SigmfMeta</name>
    <message>
        <source>is %1, not a whole number of at least %2.</source>
        <translation>равно %1, а не целому числу не меньше %2.</translation>
    </message>
    <message>
        <source>is %1, not a number.</source>
        <translation>равно %1, а не числу.</translation>
    </message>
    <message>
        <source>is %1, not a text.</source>
        <translation>равно %1, а не тексту.</translation>
    </message>
    <message>
        <source>the required field %1 is missing.</source>
        <translation>нет обязательного поля %1.</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>список</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>объект</translation>
    </message>
    <message>
        <source>the metadata is not valid JSON (%1 at byte %2).</source>
        <translation>метаданные не являются правильным JSON (%1 в байте %2).</translation>
    </message>
    <message>
        <source>the metadata is not a JSON object.</source>
        <translation>метаданные не являются объектом JSON.</translation>
    </message>
    <message>
        <source>the required object &quot;global&quot; is missing.</source>
        <translation>нет обязательного объекта &quot;global&quot;.</translation>
    </message>
    <message>
        <source>&quot;global&quot; is not a JSON object.</source>
        <translation>&quot;global&quot; не является объектом JSON.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a datatype this program reads (complex cf64, cf32, ci32, ci16, ci8 or cu8, each _le or _be).</source>
        <translation>&quot;%1&quot; — тип данных, который программа не читает (комплексные cf64, cf32, ci32, ci16, ci8 или cu8, каждый _le или _be).</translation>
    </message>
    <message>
        <source>the metadata has no %1; it is read as SigMF 1.x.</source>
        <translation>в метаданных нет %1; файл читается как SigMF 1.x.</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;; it is read as SigMF 1.x.</source>
        <translation>%1 равно &quot;%2&quot;; файл читается как SigMF 1.x.</translation>
    </message>
    <message>
        <source>is %1, not a positive rate.</source>
        <translation>равно %1, а не положительной частоте.</translation>
    </message>
    <message>
        <source>is %1; at most 255 channels are read.</source>
        <translation>равно %1; читается не более 255 каналов.</translation>
    </message>
    <message>
        <source>&quot;captures&quot; is not a list.</source>
        <translation>&quot;captures&quot; не является списком.</translation>
    </message>
    <message>
        <source>%1 is not a JSON object.</source>
        <translation>%1 не является объектом JSON.</translation>
    </message>
    <message>
        <source>&quot;annotations&quot; is not a list.</source>
        <translation>&quot;annotations&quot; не является списком.</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
</context>
<context>
    <name>TextSampleLines</name>
    <message>
        <source>with a zero not written as 0</source>
        <translation>с нулём, записанным не как 0</translation>
    </message>
    <message>
        <source>not two fields</source>
        <translation>не из двух полей</translation>
    </message>
    <message>
        <source>with a field that is not a number</source>
        <translation>с полем, которое не является числом</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Maximise</source>
        <translation>Развернуть</translation>
    </message>
</context>
<context>
    <name>UnitLineEdit</name>
    <message>
        <source>Not accepted: enter a number from %1 to %2 with a unit, e.g. &quot;1 MHz&quot;.</source>
        <translation>Не принято: введите число от %1 до %2 с единицей измерения, например «1 MHz».</translation>
    </message>
</context>
<context>
    <name>UserFilter</name>
    <message>
        <source>Tap</source>
        <translation>Отвод</translation>
    </message>
    <message>
        <source>Coefficient</source>
        <translation>Коэффициент</translation>
    </message>
</context>
<context>
    <name>UserTableFile</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Не удаётся записать «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Не удаётся открыть «%1»: %2</translation>
    </message>
    <message>
        <source>Line %1 of &quot;%2&quot; does not start with a number.</source>
        <translation>Строка %1 файла «%2» не начинается с числа.</translation>
    </message>
    <message>
        <source>Line %1 of &quot;%2&quot;: &quot;%3&quot; is not a number.</source>
        <translation>Строка %1 файла «%2»: «%3» не является числом.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no values.</source>
        <translation>Файл «%1» не содержит значений.</translation>
    </message>
</context>
<context>
    <name>VerticalMenu</name>
    <message>
        <source>Dark</source>
        <translation>Тёмная</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Классическая</translation>
    </message>
    <message>
        <source>Chosen user</source>
        <translation>Выбранный пользователь</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Сохранить профиль</translation>
    </message>
    <message>
        <source>Open Profile</source>
        <translation>Открыть профиль</translation>
    </message>
    <message>
        <source>XML File (*.xml)</source>
        <translation>Файл XML (*.xml)</translation>
    </message>
    <message>
        <source>Reset Profile</source>
        <translation>Сброс профиля</translation>
    </message>
    <message>
        <source>Are you sure you want to reset profile?</source>
        <translation>Вы действительно хотите сбросить профиль?</translation>
    </message>
    <message>
        <source>Vector
Analysis</source>
        <translation>Векторный
анализ</translation>
    </message>
    <message>
        <source>Basic Vector Analysis</source>
        <translation>Базовый векторный анализ</translation>
    </message>
    <message>
        <source>Digital
Modulation</source>
        <translation>Цифровая
модуляция</translation>
    </message>
    <message>
        <source>Digital Modulation</source>
        <translation>Цифровая модуляция</translation>
    </message>
    <message>
        <source>4G LTE</source>
        <translation>4G LTE</translation>
    </message>
    <message>
        <source>5G NR</source>
        <translation>5G NR</translation>
    </message>
    <message>
        <source>ACLR</source>
        <translation>ACLR</translation>
    </message>
    <message>
        <source>Adjustment Channel Leakage Ratio</source>
        <translation>Коэффициент утечки в соседний канал</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>PSK</source>
        <translation>PSK</translation>
    </message>
    <message>
        <source>QAM</source>
        <translation>QAM</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>BPSK</source>
        <translation>BPSK</translation>
    </message>
    <message>
        <source>QPSK</source>
        <translation>QPSK</translation>
    </message>
    <message>
        <source>QPSK π/4 offset</source>
        <translation>QPSK π/4 со сдвигом</translation>
    </message>
    <message>
        <source>QPSK EDGE</source>
        <translation>QPSK EDGE</translation>
    </message>
    <message>
        <source>π/4-QPSK</source>
        <translation>π/4-QPSK</translation>
    </message>
    <message>
        <source>π/2-DBPSK</source>
        <translation>π/2-DBPSK</translation>
    </message>
    <message>
        <source>π/4-DQPSK</source>
        <translation>π/4-DQPSK</translation>
    </message>
    <message>
        <source>π/8-D8PSK</source>
        <translation>π/8-D8PSK</translation>
    </message>
    <message>
        <source>8PSK</source>
        <translation>8PSK</translation>
    </message>
    <message>
        <source>D8PSK</source>
        <translation>D8PSK</translation>
    </message>
    <message>
        <source>8PSK EDGE</source>
        <translation>8PSK EDGE</translation>
    </message>
    <message>
        <source>16PSK</source>
        <translation>16PSK</translation>
    </message>
    <message>
        <source>QAM16</source>
        <translation>QAM16</translation>
    </message>
    <message>
        <source>QAM32</source>
        <translation>QAM32</translation>
    </message>
    <message>
        <source>QAM64</source>
        <translation>QAM64</translation>
    </message>
    <message>
        <source>QAM128</source>
        <translation>QAM128</translation>
    </message>
    <message>
        <source>QAM256</source>
        <translation>QAM256</translation>
    </message>
    <message>
        <source>QAM512</source>
        <translation>QAM512</translation>
    </message>
    <message>
        <source>QAM1024</source>
        <translation>QAM1024</translation>
    </message>
    <message>
        <source>MSK</source>
        <translation>MSK</translation>
    </message>
    <message>
        <source>2FSK</source>
        <translation>2FSK</translation>
    </message>
    <message>
        <source>4FSK</source>
        <translation>4FSK</translation>
    </message>
    <message>
        <source>8FSK</source>
        <translation>8FSK</translation>
    </message>
    <message>
        <source>FSK User</source>
        <translation>FSK польз.</translation>
    </message>
    <message>
        <source>ASK</source>
        <translation>ASK</translation>
    </message>
    <message>
        <source>2ASK</source>
        <translation>2ASK</translation>
    </message>
    <message>
        <source>4ASK</source>
        <translation>4ASK</translation>
    </message>
    <message>
        <source>8ASK</source>
        <translation>8ASK</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Грей</translation>
    </message>
    <message>
        <source>Differential</source>
        <translation>Дифференц.</translation>
    </message>
    <message>
        <source>Diff.+Gray</source>
        <translation>Дифф.+Грей</translation>
    </message>
    <message>
        <source>VDL</source>
        <translation>VDL</translation>
    </message>
    <message>
        <source>GSM</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source>NADC</source>
        <translation>NADC</translation>
    </message>
    <message>
        <source>Nyquist</source>
        <translation>Найквист</translation>
    </message>
    <message>
        <source>R.Nyquist</source>
        <translation>Корень
Найквиста</translation>
    </message>
    <message>
        <source>Gaussian</source>
        <translation>Гауссов</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Прямоугольный</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользов.</translation>
    </message>
    <message>
        <source>Lowpass</source>
        <translation>ФНЧ</translation>
    </message>
    <message>
        <source>I Time</source>
        <translation>I от времени</translation>
    </message>
    <message>
        <source>Q Time</source>
        <translation>Q от времени</translation>
    </message>
    <message>
        <source>Vector Diagram</source>
        <translation>Векторная
диаграмма</translation>
    </message>
    <message>
        <source>Constellation Diagram</source>
        <translation>Созвездие</translation>
    </message>
    <message>
        <source>Error Summary Data</source>
        <translation>Сводка
ошибок</translation>
    </message>
    <message>
        <source>Symbol Data</source>
        <translation>Символы</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>Спектр</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Мощность</translation>
    </message>
    <message>
        <source>Error Vector Time</source>
        <translation>Вектор ошибки
от времени</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Сведения
о файле</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Нет данных</translation>
    </message>
    <message>
        <source>Summary Data</source>
        <translation>Сводные
данные</translation>
    </message>
    <message>
        <source>Time Plan</source>
        <translation>Временной
план</translation>
    </message>
    <message>
        <source>Frame Summary</source>
        <translation>Сводка
кадра</translation>
    </message>
    <message>
        <source>Decoded Symbols</source>
        <translation>Декодированные
символы</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Vector Analysis</source>
        <translation>Векторный
анализ</translation>
    </message>
    <message>
        <source>Signal Analyzer</source>
        <translation>Анализатор
сигналов</translation>
    </message>
    <message>
        <source>Signal Selection</source>
        <translation>Выделение
сигнала</translation>
    </message>
    <message>
        <source>Signal Correction</source>
        <translation>Коррекция
сигнала</translation>
    </message>
    <message>
        <source>Downlink</source>
        <translation>Нисходящий</translation>
    </message>
    <message>
        <source>4G LTE Downlink</source>
        <translation>4G LTE, нисходящий канал</translation>
    </message>
    <message>
        <source>Uplink</source>
        <translation>Восходящий</translation>
    </message>
    <message>
        <source>4G LTE Uplink</source>
        <translation>4G LTE, восходящий канал</translation>
    </message>
    <message>
        <source>E-TM 1.1</source>
        <translation>E-TM 1.1</translation>
    </message>
    <message>
        <source>E-TM 1.2</source>
        <translation>E-TM 1.2</translation>
    </message>
    <message>
        <source>E-TM 2.0</source>
        <translation>E-TM 2.0</translation>
    </message>
    <message>
        <source>E-TM 3.1</source>
        <translation>E-TM 3.1</translation>
    </message>
    <message>
        <source>E-TM 3.2</source>
        <translation>E-TM 3.2</translation>
    </message>
    <message>
        <source>E-TM 3.3</source>
        <translation>E-TM 3.3</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Свой</translation>
    </message>
    <message>
        <source>PSS</source>
        <translation>PSS</translation>
    </message>
    <message>
        <source>SSS</source>
        <translation>SSS</translation>
    </message>
    <message>
        <source>PCFICH</source>
        <translation>PCFICH</translation>
    </message>
    <message>
        <source>PDCCH</source>
        <translation>PDCCH</translation>
    </message>
    <message>
        <source>PBCH</source>
        <translation>PBCH</translation>
    </message>
    <message>
        <source>PHICH</source>
        <translation>PHICH</translation>
    </message>
    <message>
        <source>USER 1</source>
        <translation>ПОЛЬЗ. 1</translation>
    </message>
    <message>
        <source>USER 2</source>
        <translation>ПОЛЬЗ. 2</translation>
    </message>
    <message>
        <source>USER 3</source>
        <translation>ПОЛЬЗ. 3</translation>
    </message>
    <message>
        <source>USER 4</source>
        <translation>ПОЛЬЗ. 4</translation>
    </message>
    <message>
        <source>USER 5</source>
        <translation>ПОЛЬЗ. 5</translation>
    </message>
    <message>
        <source>USER 6</source>
        <translation>ПОЛЬЗ. 6</translation>
    </message>
    <message>
        <source>USER 7</source>
        <translation>ПОЛЬЗ. 7</translation>
    </message>
    <message>
        <source>USER 8</source>
        <translation>ПОЛЬЗ. 8</translation>
    </message>
    <message>
        <source>USER 9</source>
        <translation>ПОЛЬЗ. 9</translation>
    </message>
    <message>
        <source>USER 10</source>
        <translation>ПОЛЬЗ. 10</translation>
    </message>
    <message>
        <source>PRACH</source>
        <translation>PRACH</translation>
    </message>
    <message>
        <source>PUCCH</source>
        <translation>PUCCH</translation>
    </message>
    <message>
        <source>SRS</source>
        <translation>SRS</translation>
    </message>
    <message>
        <source>PUSCH</source>
        <translation>PUSCH</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>5G NR Downlink</source>
        <translation>5G NR, нисходящий канал</translation>
    </message>
    <message>
        <source>5G NR Uplink</source>
        <translation>5G NR, восходящий канал</translation>
    </message>
    <message>
        <source>Prach</source>
        <translation>PRACH</translation>
    </message>
    <message>
        <source>5G NR Prach</source>
        <translation>5G NR, PRACH</translation>
    </message>
    <message>
        <source>CUSTOM</source>
        <translation>СВОЙ</translation>
    </message>
    <message>
        <source>ACLR Custom</source>
        <translation>ACLR, своя настройка</translation>
    </message>
    <message>
        <source>4G LTE ACLR</source>
        <translation>4G LTE ACLR</translation>
    </message>
    <message>
        <source>5G NR ACLR</source>
        <translation>5G NR ACLR</translation>
    </message>
    <message>
        <source>Multiple Band</source>
        <translation>Несколько
полос</translation>
    </message>
    <message>
        <source>Single Carrier</source>
        <translation>Одна
несущая</translation>
    </message>
    <message>
        <source>Multi-Carrier</source>
        <translation>Несколько
несущих</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Default Profile</source>
        <translation>Профиль по умолчанию</translation>
    </message>
    <message>
        <source>Dark Theme</source>
        <translation>Тёмная тема</translation>
    </message>
    <message>
        <source>Light Theme</source>
        <translation>Светлая тема</translation>
    </message>
    <message>
        <source>Default Theme</source>
        <translation>Классическая тема</translation>
    </message>
</context>
</TS>
