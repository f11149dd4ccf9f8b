<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AirvaneLite</name>
    <message>
        <source>Refresh this interface</source>
        <translation>Обновить данные этого интерфейса</translation>
    </message>
    <message>
        <source>Copy wireless information</source>
        <translation>Копировать сведения о беспроводной сети</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Шифрование</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Сигнал</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Безопасность</translation>
    </message>
    <message>
        <source>Auth. Algorith</source>
        <translation>Алг. аутентификации</translation>
    </message>
    <message>
        <source>Dot11BssType</source>
        <translation>Тип BSS сети</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Connectable</source>
        <translation>Доступна</translation>
    </message>
    <message>
        <source>Number of BSSIDS</source>
        <translation>Число BSSID</translation>
    </message>
    <message>
        <source>Not connectable reason</source>
        <translation>Причина недоступности</translation>
    </message>
    <message>
        <source>PHY Type</source>
        <translation>Тип PHY</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Флаги</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>Wireless information</source>
        <translation>Сведения о беспроводной сети</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Интерфейс:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Состояние:</translation>
    </message>
    <message>
        <source>Oper.Mode:</source>
        <translation>Реж. работы:</translation>
    </message>
    <message>
        <source>BSS Type:</source>
        <translation>Тип BSS:</translation>
    </message>
    <message>
        <source>Auto Conf.:</source>
        <translation>Автонастр.:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Профиль:</translation>
    </message>
    <message>
        <source>Network:</source>
        <translation>Сеть:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Шифрование:</translation>
    </message>
    <message>
        <source>Signal:</source>
        <translation>Сигнал:</translation>
    </message>
    <message>
        <source>Security:</source>
        <translation>Безопасность:</translation>
    </message>
    <message>
        <source>Auth. Algorithm:</source>
        <translation>Алгоритм аутентификации:</translation>
    </message>
    <message>
        <source>Connectable:</source>
        <translation>Доступна:</translation>
    </message>
    <message>
        <source>Not connectable reason:</source>
        <translation>Причина недоступности:</translation>
    </message>
    <message>
        <source>Dot11BssType:</source>
        <translation>Тип BSS сети:</translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation>Флаги:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Connected:</source>
        <translation>Подключено:</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>MAC-адрес:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Канал:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Режим:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Частота:</translation>
    </message>
    <message>
        <source>Band:</source>
        <translation>Диапазон:</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключиться</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Loading data...</source>
        <translation>Загрузка данных...</translation>
    </message>
    <message>
        <source>No wireless data is available! Click refresh to access data.</source>
        <translation>Нет данных о беспроводных сетях! Нажмите «Обновить», чтобы получить данные.</translation>
    </message>
    <message>
        <source>No wireless profiles are available.</source>
        <translation>Нет доступных профилей беспроводных сетей.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Языки</translation>
    </message>
    <message>
        <source>Auto select</source>
        <translation>Автовыбор</translation>
    </message>
    <message>
        <source>Themes</source>
        <translation>Темы</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Серая</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмная</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Обратная связь</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Обновления</translation>
    </message>
    <message>
        <source>Changelog</source>
        <translation>Список изменений</translation>
    </message>
    <message>
        <source>Hostlens</source>
        <translation>Hostlens</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>About Hostlens Home</source>
        <translation>О программе Hostlens Home</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>Wireless card was not found</source>
        <translation>Беспроводной адаптер не найден</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключиться</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Wireless card was not found! Make sure you have wireless card enabled and newest drivers installed!</source>
        <translation>Беспроводной адаптер не найден! Убедитесь, что он включён и установлены последние версии драйверов!</translation>
    </message>
    <message>
        <source>no wireless card found</source>
        <translation>беспроводной адаптер не найден</translation>
    </message>
    <message>
        <source>Can't get wlan interfaces!</source>
        <translation>Не удалось получить список беспроводных интерфейсов!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Can't get available networks!</source>
        <translation>Не удалось получить список доступных сетей!</translation>
    </message>
    <message>
        <source>Failed to refresh wlan networks! Error code:</source>
        <translation>Не удалось обновить список беспроводных сетей! Код ошибки:</translation>
    </message>
    <message>
        <source>Failed to get network information! Error code:</source>
        <translation>Не удалось получить сведения о сети! Код ошибки:</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Wireless information has been successfully copied to the clipboard.</source>
        <translation>Сведения о беспроводной сети скопированы в буфер обмена.</translation>
    </message>
    <message>
        <source>Development</source>
        <translation>Разработка</translation>
    </message>
    <message>
        <source>Insider</source>
        <translation>Инсайдерский</translation>
    </message>
    <message>
        <source>Beta</source>
        <translation>Бета</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Релиз</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Сборка</translation>
    </message>
    <message>
        <source>Select the network to proceed!</source>
        <translation>Выберите сеть, чтобы продолжить!</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Do you want to disconnect?</source>
        <translation>Отключиться от сети?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>You successfully connected to</source>
        <translation>Вы успешно подключились к</translation>
    </message>
    <message>
        <source>connected to</source>
        <translation>подключено к сети</translation>
    </message>
    <message>
        <source>on</source>
        <translation>через</translation>
    </message>
    <message>
        <source>Not connected!</source>
        <translation>Не подключено!</translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation>Код ошибки:</translation>
    </message>
    <message>
        <source>Check your password and try again.</source>
        <translation>Проверьте пароль и повторите попытку.</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Не подключено</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>You successfully disconnected from</source>
        <translation>Вы успешно отключились от</translation>
    </message>
    <message>
        <source>disconnected from the</source>
        <translation>отключено от сети</translation>
    </message>
    <message>
        <source>disconnected from the network</source>
        <translation>отключено от сети</translation>
    </message>
    <message>
        <source>Failed to cancel the network connection!</source>
        <translation>Не удалось отменить подключение к сети!</translation>
    </message>
    <message>
        <source>Profile has been successfully removed!</source>
        <translation>Профиль успешно удалён!</translation>
    </message>
    <message>
        <source>Could not delete network profile!</source>
        <translation>Не удалось удалить профиль сети!</translation>
    </message>
    <message>
        <source>Could not unregister wlan notification!</source>
        <translation>Не удалось отменить регистрацию уведомлений WLAN!</translation>
    </message>
</context>
<context>
    <name>Changelog</name>
    <message>
        <source>Changelog</source>
        <translation>Список изменений</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Build:</source>
        <translation>Сборка:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Канал:</translation>
    </message>
    <message>
        <source>Changelog:</source>
        <translation>Изменения:</translation>
    </message>
    <message>
        <source>changelog has been updated</source>
        <translation>список изменений обновлён</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Can't get changelog information.</source>
        <translation>Не удалось получить список изменений.</translation>
    </message>
    <message>
        <source>Make sure you have network connection.</source>
        <translation>Проверьте подключение к сети.</translation>
    </message>
    <message>
        <source>Update localization error!</source>
        <translation>Ошибка локализации обновления!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Do you really want to delete the changelog? This action cannot be undone.</source>
        <translation>Вы действительно хотите удалить список изменений? Это действие нельзя отменить.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Changelog was successfully cleared.</source>
        <translation>Список изменений очищен.</translation>
    </message>
</context>
<context>
    <name>ConnectAP</name>
    <message>
        <source>Connect</source>
        <translation>Подключиться</translation>
    </message>
    <message>
        <source>Enter your password</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Show characters</source>
        <translation>Показать символы</translation>
    </message>
    <message>
        <source>Save my password</source>
        <translation>Сохранить пароль</translation>
    </message>
    <message>
        <source>Connect automatically</source>
        <translation>Подключаться автоматически</translation>
    </message>
    <message>
        <source>chosen network</source>
        <translation>выбрана сеть</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключиться</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Failed to cancel the network connection!</source>
        <translation>Не удалось отменить подключение к сети!</translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation>Код ошибки:</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Enter your password to connect to this network!</source>
        <translation>Введите пароль для подключения к этой сети!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Do you want to disconnect?</source>
        <translation>Отключиться от сети?</translation>
    </message>
</context>
<context>
    <name>ConnectHAP</name>
    <message>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Enter the name of the network</source>
        <translation>Введите имя сети</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключиться</translation>
    </message>
    <message>
        <source>Not required</source>
        <translation>Не требуется</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Подключение</translation>
    </message>
</context>
<context>
    <name>Feedback</name>
    <message>
        <source>Feedback</source>
        <translation>Обратная связь</translation>
    </message>
    <message>
        <source>Feedback type</source>
        <translation>Тип отзыва</translation>
    </message>
    <message>
        <source>Problem with the application</source>
        <translation>Проблема с приложением</translation>
    </message>
    <message>
        <source>Feature request or suggestion</source>
        <translation>Запрос функции или предложение</translation>
    </message>
    <message>
        <source>Just vote for the application</source>
        <translation>Просто оценить приложение</translation>
    </message>
    <message>
        <source>Rate this application</source>
        <translation>Оцените это приложение</translation>
    </message>
    <message>
        <source>Tell us more</source>
        <translation>Расскажите подробнее</translation>
    </message>
    <message>
        <source>Provide the details about your issue</source>
        <translation>Опишите вашу проблему подробно</translation>
    </message>
    <message>
        <source>Include my email</source>
        <translation>Указать мой адрес эл. почты</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Ваш адрес эл. почты</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>No file is selected</source>
        <translation>Файл не выбран</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>Отправить отзыв</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Development</source>
        <translation>Разработка</translation>
    </message>
    <message>
        <source>Insider</source>
        <translation>Инсайдер</translation>
    </message>
    <message>
        <source>Beta</source>
        <translation>Бета</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Релиз</translation>
    </message>
    <message>
        <source>Attachment</source>
        <translation>Вложение</translation>
    </message>
    <message>
        <source>max. 20.0 MB</source>
        <translation>макс. 20.0 МБ</translation>
    </message>
    <message>
        <source>Select files</source>
        <translation>Выбор файлов</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Изображения</translation>
    </message>
    <message>
        <source>Crash dumps</source>
        <translation>Дампы сбоев</translation>
    </message>
    <message>
        <source>The size of selected data is too big (max. 20.0 MB)!</source>
        <translation>Размер выбранных данных слишком велик (макс. 20.0 МБ)!</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Выбрано</translation>
    </message>
    <message>
        <source>files</source>
        <translation>файлов</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>КБ</translation>
    </message>
    <message>
        <source>Click to open</source>
        <translation>Нажмите, чтобы открыть</translation>
    </message>
    <message>
        <source>Failed to open the file!</source>
        <translation>Не удалось открыть файл!</translation>
    </message>
    <message>
        <source>Application name:</source>
        <translation>Название приложения:</translation>
    </message>
    <message>
        <source>Application build:</source>
        <translation>Сборка приложения:</translation>
    </message>
    <message>
        <source>Application channel:</source>
        <translation>Канал приложения:</translation>
    </message>
    <message>
        <source>Application architecture:</source>
        <translation>Архитектура приложения:</translation>
    </message>
    <message>
        <source>Creation date:</source>
        <translation>Дата создания:</translation>
    </message>
    <message>
        <source>Application rate:</source>
        <translation>Оценка приложения:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Сообщение:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Эл. почта:</translation>
    </message>
    <message>
        <source>Attachments:</source>
        <translation>Вложения:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Feedback field is empty!</source>
        <translation>Поле отзыва пустое!</translation>
    </message>
    <message>
        <source>You forgot to rate this application!</source>
        <translation>Вы забыли оценить приложение!</translation>
    </message>
    <message>
        <source>Email field is empty!</source>
        <translation>Поле адреса эл. почты пустое!</translation>
    </message>
    <message>
        <source>Please enter a valid email address!</source>
        <translation>Введите правильный адрес эл. почты!</translation>
    </message>
    <message>
        <source>Network connection is not available! Check your network and try again.</source>
        <translation>Сетевое подключение недоступно! Проверьте сеть и повторите попытку.</translation>
    </message>
    <message>
        <source>Thank you for the feedback!</source>
        <translation>Спасибо за отзыв!</translation>
    </message>
    <message>
        <source>feedback was successfully sent</source>
        <translation>отзыв успешно отправлен</translation>
    </message>
    <message>
        <source>No network connection is available at this moment!</source>
        <translation>Сетевое подключение сейчас недоступно!</translation>
    </message>
    <message>
        <source>Failed to send the feedback!</source>
        <translation>Не удалось отправить отзыв!</translation>
    </message>
</context>
<context>
    <name>GetSpecs</name>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Unknown RAM capacity</source>
        <translation>Объём ОЗУ неизвестен</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>ГБ</translation>
    </message>
    <message>
        <source>OS:</source>
        <translation>ОС:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation>Архитектура:</translation>
    </message>
    <message>
        <source>RAM:</source>
        <translation>ОЗУ:</translation>
    </message>
    <message>
        <source>Computer name:</source>
        <translation>Имя компьютера:</translation>
    </message>
    <message>
        <source>Failed to initialize COM library. Error code:</source>
        <translation>Не удалось инициализировать библиотеку COM. Код ошибки:</translation>
    </message>
    <message>
        <source>Failed to create IWbemLocator object. Error code:</source>
        <translation>Не удалось создать объект IWbemLocator. Код ошибки:</translation>
    </message>
    <message>
        <source>Could not connect. Error code:</source>
        <translation>Не удалось подключиться. Код ошибки:</translation>
    </message>
    <message>
        <source>Could not set proxy blanket. Error code:</source>
        <translation>Не удалось задать параметры безопасности прокси (proxy blanket). Код ошибки:</translation>
    </message>
    <message>
        <source>Query for processes failed. Error code:</source>
        <translation>Не удалось выполнить запрос к WMI. Код ошибки:</translation>
    </message>
</context>
<context>
    <name>InsiderNotification</name>
    <message>
        <source>Insider notification</source>
        <translation>Уведомление для инсайдеров</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Больше не показывать</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>New insider build</source>
        <translation>Новая инсайдерская сборка</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>is available! Do you want to install it?</source>
        <translation>доступна! Установить её?</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Примечание:</translation>
    </message>
    <message>
        <source>If you click install you will be automatically set to Insider updates channel</source>
        <translation>При установке вы будете автоматически переведены на инсайдерский канал обновлений</translation>
    </message>
</context>
<context>
    <name>Log</name>
    <message>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Log file was successfully saved!</source>
        <translation>Файл журнала успешно сохранён!</translation>
    </message>
    <message>
        <source>Log path:</source>
        <translation>Путь к журналу:</translation>
    </message>
    <message>
        <source>Text Documents</source>
        <translation>Текстовые документы</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Log file was successfully deleted!</source>
        <translation>Файл журнала успешно удалён!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Log file is not exists!</source>
        <translation>Файл журнала не существует!</translation>
    </message>
    <message>
        <source>Network connection is not available! Check your network and try again.</source>
        <translation>Сетевое подключение недоступно! Проверьте сеть и повторите попытку.</translation>
    </message>
    <message>
        <source>Log file was successfully sent!</source>
        <translation>Файл журнала успешно отправлен!</translation>
    </message>
    <message>
        <source>Failed to send the log file!</source>
        <translation>Не удалось отправить файл журнала!</translation>
    </message>
    <message>
        <source>You are offline. Go online and try again!</source>
        <translation>Вы не в сети. Подключитесь к сети и повторите попытку!</translation>
    </message>
</context>
<context>
    <name>MsgDialog</name>
    <message>
        <source>Error code:</source>
        <translation>Код ошибки:</translation>
    </message>
</context>
<context>
    <name>NetworkManager</name>
    <message>
        <source>bytes/s</source>
        <translation>байт/с</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>КБ/с</translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation>МБ/с</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>КБ</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
</context>
<context>
    <name>NotifyAP</name>
    <message>
        <source>Notification</source>
        <translation>Уведомление</translation>
    </message>
    <message>
        <source>Open network is available</source>
        <translation>Доступна открытая сеть</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Network:</source>
        <translation>Сеть:</translation>
    </message>
    <message>
        <source>Signal:</source>
        <translation>Сигнал:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Больше не показывать</translation>
    </message>
    <message>
        <source>Connect now</source>
        <translation>Подключиться сейчас</translation>
    </message>
    <message>
        <source>Remind later</source>
        <translation>Напомнить позже</translation>
    </message>
    <message>
        <source>Set timer:</source>
        <translation>Напомнить:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Failed to resume the WMI service!</source>
        <translation>Не удалось возобновить работу службы WMI!</translation>
    </message>
    <message>
        <source>Failed to start the WMI service!</source>
        <translation>Не удалось запустить службу WMI!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключиться</translation>
    </message>
    <message>
        <source>Failed to cancel the network connection!</source>
        <translation>Не удалось отменить подключение к сети!</translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation>Код ошибки:</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Do you want to disconnect?</source>
        <translation>Отключиться от сети?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>You can't select this date! Choose another date!</source>
        <translation>Эту дату выбрать нельзя! Выберите другую дату!</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Имя пользователя:</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Development</source>
        <translation>Разработка</translation>
    </message>
    <message>
        <source>Insider</source>
        <translation>Инсайдерский</translation>
    </message>
    <message>
        <source>Beta</source>
        <translation>Бета</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Релиз</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>Updates</source>
        <translation>Обновления</translation>
    </message>
    <message>
        <source>Updates are disabled. Do you want to enable it?</source>
        <translation>Обновления отключены. Включить их?</translation>
    </message>
    <message>
        <source>last updates checked on</source>
        <translation>последняя проверка обновлений</translation>
    </message>
    <message>
        <source>check for updates</source>
        <translation>проверка обновлений</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новая версия</translation>
    </message>
    <message>
        <source>build:</source>
        <translation>сборка:</translation>
    </message>
    <message>
        <source>is available, would you like to download it?</source>
        <translation>доступна. Загрузить её?</translation>
    </message>
    <message>
        <source>is up to date</source>
        <translation>— установлена последняя версия</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Failed to check for the updates!</source>
        <translation>Не удалось проверить наличие обновлений!</translation>
    </message>
    <message>
        <source>Network connection is not available! Check your network and try again.</source>
        <translation>Нет подключения к сети! Проверьте сеть и повторите попытку.</translation>
    </message>
</context>
<context>
    <name>Updates</name>
    <message>
        <source>Download path:</source>
        <translation>Папка загрузки:</translation>
    </message>
    <message>
        <source>Install path:</source>
        <translation>Папка установки:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>Downloading:</source>
        <translation>Загружено:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation>Прошло:</translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation>Осталось:</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Failed to open the download directory!</source>
        <translation>Не удалось открыть папку загрузки!</translation>
    </message>
    <message>
        <source>Failed to open the install directory!</source>
        <translation>Не удалось открыть папку установки!</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Failed to start the update installer!</source>
        <translation>Не удалось запустить установщик обновления!</translation>
    </message>
    <message>
        <source>update was successfully installed!</source>
        <translation>обновление успешно установлено!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>File was not found! Do you want to restart update now?</source>
        <translation>Файл не найден! Перезапустить обновление?</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Обновления</translation>
    </message>
    <message>
        <source>Do you want to cancel update?</source>
        <translation>Отменить обновление?</translation>
    </message>
    <message>
        <source>Failed to delete the update file!</source>
        <translation>Не удалось удалить файл обновления!</translation>
    </message>
    <message>
        <source>No network connection has been found!</source>
        <translation>Подключение к сети не найдено!</translation>
    </message>
    <message>
        <source>Check for update has been skipped!</source>
        <translation>Проверка обновлений пропущена!</translation>
    </message>
    <message>
        <source>Update process has been failed!</source>
        <translation>Не удалось выполнить обновление!</translation>
    </message>
    <message>
        <source>Status code</source>
        <translation>Код состояния</translation>
    </message>
    <message>
        <source>Error code</source>
        <translation>Код ошибки</translation>
    </message>
    <message>
        <source>Do you want to restart update now?</source>
        <translation>Перезапустить обновление?</translation>
    </message>
    <message>
        <source>UpdateTitle</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Состояние:</translation>
    </message>
    <message>
        <source>cancelling...</source>
        <translation>отмена...</translation>
    </message>
    <message>
        <source>Downloaded:</source>
        <translation>Загружено:</translation>
    </message>
    <message>
        <source>Downloaded successfully!</source>
        <translation>Загрузка завершена!</translation>
    </message>
</context>
<context>
    <name>WirelessConnect</name>
    <message>
        <source>Hidden network</source>
        <translation>Скрытая сеть</translation>
    </message>
    <message>
        <source>Your security key/network name is not correct!</source>
        <translation>Неверный ключ безопасности или имя сети!</translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation>Код ошибки:</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Повторите попытку.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Not required</source>
        <translation>Не требуется</translation>
    </message>
    <message>
        <source>Credentials</source>
        <translation>Учётные данные</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Требуется</translation>
    </message>
    <message>
        <source>Not ready</source>
        <translation>Не готов</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>First node in a ad hoc network</source>
        <translation>Первый узел в сети ad hoc</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Отключение</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Не подключено</translation>
    </message>
    <message>
        <source>Attempting to associate with a network</source>
        <translation>Попытка ассоциации с сетью</translation>
    </message>
    <message>
        <source>Auto configuration is discovering settings for the network</source>
        <translation>Автонастройка определяет параметры сети</translation>
    </message>
    <message>
        <source>In process of authenticating</source>
        <translation>Выполняется проверка подлинности</translation>
    </message>
    <message>
        <source>No profile</source>
        <translation>Нет профиля</translation>
    </message>
    <message>
        <source>Has profile</source>
        <translation>Есть профиль</translation>
    </message>
    <message>
        <source>The profile is the active console user's per user profile</source>
        <translation>Личный профиль активного пользователя консоли</translation>
    </message>
    <message>
        <source>Interworking is supported</source>
        <translation>Поддерживается Interworking</translation>
    </message>
    <message>
        <source>Hotspot2 is enabled</source>
        <translation>Hotspot 2.0 включён</translation>
    </message>
    <message>
        <source>Hotspot2 is connected</source>
        <translation>Hotspot 2.0 подключён</translation>
    </message>
    <message>
        <source>ANQP is supported</source>
        <translation>Поддерживается ANQP</translation>
    </message>
    <message>
        <source>Domain network</source>
        <translation>Доменная сеть</translation>
    </message>
    <message>
        <source>Roaming network</source>
        <translation>Сеть в роуминге</translation>
    </message>
    <message>
        <source>This network failed to connect</source>
        <translation>Не удалось подключиться к этой сети</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другой</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <translation>Инфраструктура</translation>
    </message>
    <message>
        <source>Independent</source>
        <translation>Независимая</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Любой</translation>
    </message>
    <message>
        <source>Emulated WiFi</source>
        <translation>Эмулированный Wi-Fi</translation>
    </message>
    <message>
        <source>Native WiFi</source>
        <translation>Встроенный Wi-Fi</translation>
    </message>
    <message>
        <source>Invalid interface</source>
        <translation>Недопустимый интерфейс</translation>
    </message>
    <message>
        <source>Extensible Station</source>
        <translation>Расширяемая станция</translation>
    </message>
    <message>
        <source>Network Monitor</source>
        <translation>Сетевой монитор</translation>
    </message>
    <message>
        <source>Failed with error code</source>
        <translation>Сбой с кодом ошибки</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>МГц</translation>
    </message>
    <message>
        <source>Dual-Band</source>
        <translation>Двухдиапазонная</translation>
    </message>
    <message>
        <source>GHz</source>
        <translation>ГГц</translation>
    </message>
</context>
</TS>
