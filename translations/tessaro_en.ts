<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>tessaro</name>
    <message>
        <source>Подключиться</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стоимость обучения: $%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Необходима системная плата с %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Если продать %1, то %2 - $%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>У вас не хватает $%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вам удалось продать этот проект за $%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вас обнаружили. Штраф $%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задание выполнено. На ваш счет переведено $%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Медиа проигрыватель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текстовый редактор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файловый менеджер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Менеджер закачек</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Антивирус</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Интернет-браузер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Интернет браузер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Операционная система</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web-сайт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Необходимо продать старый проект</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Установить Borland Delphi 7.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Установить Borland C++ Builder 6.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Установить Borland Kylix 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Установить Microsoft Visual Basic.net</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Установить Macromedia Dreamweaver MX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Установить Macromedia Flash MX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Установить Adobe Photoshop 7.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Установить 3D Studio MAX 5.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Установить Microsoft Office 98</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обучение возможно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обучение невозможно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не все условия были выполнены</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сходить в компьютерный клуб</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стоимость: $5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Посетить с друзьями кафе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стоимость: $10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Покататься на скейте в скейтпарке</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стоимость: $20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сходить на дискотеку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стоимость: $30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заняться киберсексом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стоимость: $50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вам удалось уничтожить вирус.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вирус не причинил вреда.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Накрылась операционная система.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ламер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пользователь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программист</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Хакер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>У вас плохое настроение. К сожалению вы проиграли</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закончились все деньги. К сожалению вы проиграли</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пособие по безработице $1/день</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Системная плата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>старую</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Процессор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>старый</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Память</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Жесткий диск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Видео карта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Звуковая карта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Монитор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD/DVD-Привод</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модем</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Необходима любая системная плата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Набор номера...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Телефонная линия занята</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверка имени пользователя и пароля...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Регистрация компьютера в сети...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отключить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вам не удалось продать этот проект и у вас понизилось настроение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Используем Brutus AET2...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Попытка взлома пароля...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сканируем порты...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Применяем IP Tools 1.1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подключаемся ftp.filearchive.example...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Взлом FTP-сервера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Требуется Brutus AET2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Взломать FTP-сервер и вскрыть запароленный файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Требуется Advanced Archive Password Recovery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Получить доступ к удаленному компьютеру</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Требуется X-Sharez</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Требуется LANguard Port Scanner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Требуется IP Tools 1.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сканируем сеть...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Получить доступ к компьютеру и взломать архив</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Взлом web-сайта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Требуется знание Perl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Требуется знание PHP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Требуется знание HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тестируем CGI на уязвимость...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дефейс главной страницы...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стоимость: $300</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стоимость: $500</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Верстальщик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Верстальщик $3/день</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$3/день</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знать Microsoft Office 98</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программист $5/день</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$5/день</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знать Borlad Delphi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знать Microsoft Windows 9x/Me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web-дизайнер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web-дизайнер $7/день</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$7/день</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знать Macromedia Flash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знать Macromedia Dreamweaver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Владеть технологией HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программист $10/день</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$10/день</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знать Borland C++ Buider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знать Microsoft Windows 2000/XP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дизайнер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дизайнер $12/день</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$12/день</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знать 3D Studio MAX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знать Adobe Photoshop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web-программист</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web-программист $15/день</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$15/день</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Владеть технологией PHP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Владеть технологией Perl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знать MySQL Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знать Apache Web Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программист $17/день</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$17/день</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знать Microsoft Visual Basic.net</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web-мастер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web-мастер $20/день</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$20/день</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Владеть всеми web-технологии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linux-программист</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linux-программист $25/день</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$25/день</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знать Linux Mandrake 9.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знать Borland Kylix 2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вы можете получить эту работу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>С вашими знаниями эта работа недоступна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>У плохое настроение. Вы не прошли собеседовние</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранение игры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузка игры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл игры Tessaro 1.0 (*.tso)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Процессор: Intel Pentium 166MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Системная память: 32MB RAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Видеокарта: Voodoo 4MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Монитор: ViewSonic 15&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Свободное пространство: 200MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Процессор: Intel Pentium II 366MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Системная память: 64MB RAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Видеокарта: Voodoo III 16MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Свободное пространство: 700MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Звуковая карта: Creative SB Live</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Процессор: Intel Pentium III 700MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Системная память: 128MB RAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Видеокарта: GeForce II 32MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Монитор: LG Flatron 17&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Свободное пространство: 1200MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Системная память: 256MB RAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Свободное пространство: 2200MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Процессор: Intel Pentium IV 3GHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Системная память: 512MB RAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Видеокарта: GeForce III 64MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Монитор: SONY 21&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Свободное пространство: 3200MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Звуковая карта: Creative SB Audigy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Операционная система: Windows 98</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Свободное пространство: 600MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Операционная система: Windows XP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Свободное пространство: 1500MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Операционная система: Linux Mandrake 9.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Свободное пространство: 800MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Операционная система Windows 98</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Видеокарта Voodoo II 12MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Свободное пространство: 50MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Процессор AMD K6-2 233MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Свободное пространство: 400MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Операционная система Windows 2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Видеокарта GeForce II 32MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Свободное пространство: 150MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Свободное пространство: 5MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Операционная система: Windows 2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Свободное пространство: 20MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Свободное пространство: 10MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Необходимо ввести имя</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::ActivityWindow</name>
    <message>
        <source>Вернуться</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::TForm1</name>
    <message>
        <source>Поздравляем!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::TForm2</name>
    <message>
        <source>О программе...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Разработчик:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Команда Tessaro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::TForm3</name>
    <message>
        <source>Отдых</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::TForm4</name>
    <message>
        <source>Обнаружен вирус...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уничтожить антивирусом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оставить</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::TfComputer</name>
    <message>
        <source>Покупка комплектующих</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::TfDeveloper</name>
    <message>
        <source>Разработка программ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Язык разработки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Объект разработки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имеющийся проект:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::TfEducation</name>
    <message>
        <source>Обучение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Операционные системы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Среда разработки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web-технологии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Другое</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Требования</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::TfInternet</name>
    <message>
        <source>Интернет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Взлом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web-серфинг</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скачать утилиты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имеющийся проект</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Попытаться продать проект</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задания</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::TfJob</name>
    <message>
        <source>Поиск работы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Доступные предложения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Требования</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::TfMain</name>
    <message>
        <source>Ваши данные</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Статус:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Опыт:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Работа:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Деньги:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Деньги: $</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настроение:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настроение: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Компьютер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Операционная система:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Среда разработки:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Антивирус:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ДЕНЬ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>День </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Игра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Новая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Сохранить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Загрузить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Помощь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;О программе...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::TfSoftware</name>
    <message>
        <source>Установка программ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Операционная система</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Среда разработки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Антивирус</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Другое</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Системные требования</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Свободное дисковое пространство</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::TfStart</name>
    <message>
        <source>Введите ваше имя:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Начать игру</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::TitleBar</name>
    <message>
        <source>Версия 2003</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
